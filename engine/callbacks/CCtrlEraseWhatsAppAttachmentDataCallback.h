#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a WhatsApp attachments erase (CTaskCallback::signalEraseWhatsAppAttachmentData).
class CCtrlEraseWhatsAppAttachmentDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseWhatsAppAttachmentDataCallback(VoidResultFunc result);
};
