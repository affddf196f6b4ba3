#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a Kik erase (CTaskCallback::signalEraseKikData).
class CCtrlEraseKikDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseKikDataCallback(VoidResultFunc result);
};
