#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Runs one stage of erasing the whole device: mode 1, 2, 4 or 8 (any other does nothing).
class CEraseAllTask : public CTask
{
public:
    CEraseAllTask(int mode, IntIntResultFunc result);
};
