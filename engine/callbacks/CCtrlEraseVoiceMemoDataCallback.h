#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a voice memos erase (CTaskCallback::signalEraseVoiceMemoData).
class CCtrlEraseVoiceMemoDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseVoiceMemoDataCallback(VoidResultFunc result);
};
