#include "CCtrlEraseSMSDataCallback.h"

CCtrlEraseSMSDataCallback::CCtrlEraseSMSDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseSMSDataCallback", result)
{ }
