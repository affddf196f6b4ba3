#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Loads the bookmarks from the device's backup into the store (CProcessLoadBookMarkTask).
class CLoadBookMarkDataTask : public CTask
{
public:
    explicit CLoadBookMarkDataTask(VoidResultFunc result);
};
