#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Loads the call history from the device's backup into the store (CProcessLoadCallLogTask).
class CLoadCallLogDataTask : public CTask
{
public:
    explicit CLoadCallLogDataTask(VoidResultFunc result);
};
