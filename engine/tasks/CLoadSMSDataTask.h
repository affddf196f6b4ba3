#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Loads the messages from the device's backup into the store (CProcessLoadSMSTask).
class CLoadSMSDataTask : public CTask
{
public:
    explicit CLoadSMSDataTask(VoidResultFunc result);
};
