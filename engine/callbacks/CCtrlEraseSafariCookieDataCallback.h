#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a Safari cookies erase (CTaskCallback::signalEraseSafariCookieData).
class CCtrlEraseSafariCookieDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseSafariCookieDataCallback(VoidResultFunc result);
};
