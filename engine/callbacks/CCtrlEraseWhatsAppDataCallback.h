#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a WhatsApp erase (CTaskCallback::signalEraseWhatsAppData).
class CCtrlEraseWhatsAppDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseWhatsAppDataCallback(VoidResultFunc result);
};
