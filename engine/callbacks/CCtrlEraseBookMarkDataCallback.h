#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a bookmarks erase (CTaskCallback::signalEraseBookMarkData).
class CCtrlEraseBookMarkDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseBookMarkDataCallback(VoidResultFunc result);
};
