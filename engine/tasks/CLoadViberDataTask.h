#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Loads the Viber messages from the device's backup into the store (CProcessLoadViberTask).
class CLoadViberDataTask : public CTask
{
public:
    explicit CLoadViberDataTask(VoidResultFunc result);
};
