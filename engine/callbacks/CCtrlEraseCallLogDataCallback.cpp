#include "CCtrlEraseCallLogDataCallback.h"

CCtrlEraseCallLogDataCallback::CCtrlEraseCallLogDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseCallLogDataCallback", result)
{ }
