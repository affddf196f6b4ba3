#include "CCtrlEraseWhatsAppDataCallback.h"

CCtrlEraseWhatsAppDataCallback::CCtrlEraseWhatsAppDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseWhatsAppDataCallback", result)
{ }
