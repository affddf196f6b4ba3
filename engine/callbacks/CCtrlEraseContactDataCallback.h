#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a contacts erase (CTaskCallback::signalEraseContactData).
class CCtrlEraseContactDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseContactDataCallback(VoidResultFunc result);
};
