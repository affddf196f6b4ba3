#include "CCtrlEraseBookMarkDataCallback.h"

CCtrlEraseBookMarkDataCallback::CCtrlEraseBookMarkDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseBookMarkDataCallback", result)
{ }
