#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a call-history erase (CTaskCallback::signalEraseCallLogData).
class CCtrlEraseCallLogDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseCallLogDataCallback(VoidResultFunc result);
};
