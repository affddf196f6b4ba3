#include "CCtrlEraseSafariCacheDataCallback.h"

CCtrlEraseSafariCacheDataCallback::CCtrlEraseSafariCacheDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseSafariCacheDataCallback", result)
{ }
