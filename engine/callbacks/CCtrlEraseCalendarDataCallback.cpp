#include "CCtrlEraseCalendarDataCallback.h"

CCtrlEraseCalendarDataCallback::CCtrlEraseCalendarDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseCalendarDataCallback", result)
{ }
