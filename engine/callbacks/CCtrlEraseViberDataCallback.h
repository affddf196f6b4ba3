#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a Viber erase (CTaskCallback::signalEraseViberData).
class CCtrlEraseViberDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseViberDataCallback(VoidResultFunc result);
};
