#include "CCtrlEraseNoteAttachmentCallback.h"

CCtrlEraseNoteAttachmentCallback::CCtrlEraseNoteAttachmentCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseNoteAttachmentCallback", result)
{ }
