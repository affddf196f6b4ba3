#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Loads the Safari history from the device's backup into the store (CProcessLoadSafariHistoryTask).
class CLoadSafariHistoryDataTask : public CTask
{
public:
    explicit CLoadSafariHistoryDataTask(VoidResultFunc result);
};
