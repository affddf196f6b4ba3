#include "CCtrlEraseSMSAttachmentCallback.h"

CCtrlEraseSMSAttachmentCallback::CCtrlEraseSMSAttachmentCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseSMSAttachmentCallback", result)
{ }
