#include "CCtrlEraseViberDataCallback.h"

CCtrlEraseViberDataCallback::CCtrlEraseViberDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseViberDataCallback", result)
{ }
