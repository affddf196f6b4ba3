#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Loads the calendar from the device's backup into the store (CProcessLoadCallendarTask).
class CLoadCallendarDataTask : public CTask
{
public:
    explicit CLoadCallendarDataTask(VoidResultFunc result);
};
