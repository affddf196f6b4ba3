#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Overwrites the free space of the first device.
class CFillDataTask : public CTask
{
public:
    explicit CFillDataTask(IntIntResultFunc result);
};
