#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Writes the computer's copy back to the first device, which then restarts.
class CRestoreDevDataTask : public CTask
{
public:
    CRestoreDevDataTask(int restoreType, IntIntResultFunc result);
};
