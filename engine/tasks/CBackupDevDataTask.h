#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Backs the first device up to this computer.
class CBackupDevDataTask : public CTask
{
public:
    explicit CBackupDevDataTask(IntIntResultFunc result);
};
