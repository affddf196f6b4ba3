#include "CCtrlEraseKikDataCallback.h"

CCtrlEraseKikDataCallback::CCtrlEraseKikDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseKikDataCallback", result)
{ }
