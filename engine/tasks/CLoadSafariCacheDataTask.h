#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Loads the Safari cache from the device's backup into the store (CProcessLoadSafariCacheTask).
class CLoadSafariCacheDataTask : public CTask
{
public:
    explicit CLoadSafariCacheDataTask(VoidResultFunc result);
};
