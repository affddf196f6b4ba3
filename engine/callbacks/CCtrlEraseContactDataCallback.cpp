#include "CCtrlEraseContactDataCallback.h"

CCtrlEraseContactDataCallback::CCtrlEraseContactDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseContactDataCallback", result)
{ }
