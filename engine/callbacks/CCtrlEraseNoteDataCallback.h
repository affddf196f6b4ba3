#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a notes erase (CTaskCallback::signalEraseNoteData).
class CCtrlEraseNoteDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseNoteDataCallback(VoidResultFunc result);
};
