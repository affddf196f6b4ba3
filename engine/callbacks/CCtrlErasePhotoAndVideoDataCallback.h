#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a photos and videos erase (CTaskCallback::signalErasePhotoAndVideoData).
class CCtrlErasePhotoAndVideoDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlErasePhotoAndVideoDataCallback(VoidResultFunc result);
};
