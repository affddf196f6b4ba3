#include "CCtrlEraseWhatsAppAttachmentDataCallback.h"

CCtrlEraseWhatsAppAttachmentDataCallback::CCtrlEraseWhatsAppAttachmentDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseWhatsAppAttachmentDataCallback", result)
{ }
