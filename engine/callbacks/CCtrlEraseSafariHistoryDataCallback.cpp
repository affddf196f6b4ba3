#include "CCtrlEraseSafariHistoryDataCallback.h"

CCtrlEraseSafariHistoryDataCallback::CCtrlEraseSafariHistoryDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseSafariHistoryDataCallback", result)
{ }
