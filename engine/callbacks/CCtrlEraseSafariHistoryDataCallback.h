#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a Safari history erase (CTaskCallback::signalEraseSafariHistoryData).
class CCtrlEraseSafariHistoryDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseSafariHistoryDataCallback(VoidResultFunc result);
};
