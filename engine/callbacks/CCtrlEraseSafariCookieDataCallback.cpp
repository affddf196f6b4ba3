#include "CCtrlEraseSafariCookieDataCallback.h"

CCtrlEraseSafariCookieDataCallback::CCtrlEraseSafariCookieDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseSafariCookieDataCallback", result)
{ }
