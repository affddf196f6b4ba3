#include "CCtrlEraseVoiceMemoDataCallback.h"

CCtrlEraseVoiceMemoDataCallback::CCtrlEraseVoiceMemoDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseVoiceMemoDataCallback", result)
{ }
