#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Loads the Safari cookies from the device's backup into the store (CProcessLoadSafariCookieTask).
class CLoadSafariCookieDataTask : public CTask
{
public:
    explicit CLoadSafariCookieDataTask(VoidResultFunc result);
};
