#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a Safari cache erase (CTaskCallback::signalEraseSafariCacheData).
class CCtrlEraseSafariCacheDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseSafariCacheDataCallback(VoidResultFunc result);
};
