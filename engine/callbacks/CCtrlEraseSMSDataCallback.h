#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a messages erase (CTaskCallback::signalEraseSMSData).
class CCtrlEraseSMSDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseSMSDataCallback(VoidResultFunc result);
};
