#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Erases the whole calendar.
class CEraseCalendarDataTask : public CTask
{
public:
    explicit CEraseCalendarDataTask(VoidResultFunc result);
};
