#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a calendar erase (CTaskCallback::signalEraseCalendarData).
class CCtrlEraseCalendarDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseCalendarDataCallback(VoidResultFunc result);
};
