#include "CCtrlEraseKikAttachmentDataCallback.h"

CCtrlEraseKikAttachmentDataCallback::CCtrlEraseKikAttachmentDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseKikAttachmentDataCallback", result)
{ }
