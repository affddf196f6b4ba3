#include "CCtrlErasePhotoAndVideoDataCallback.h"

CCtrlErasePhotoAndVideoDataCallback::CCtrlErasePhotoAndVideoDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlErasePhotoAndVideoDataCallback", result)
{ }
