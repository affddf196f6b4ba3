#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Loads the Kik data from the device's backup into the store (CProcessLoadKikTask).
class CLoadKikDataTask : public CTask
{
public:
    explicit CLoadKikDataTask(VoidResultFunc result);
};
