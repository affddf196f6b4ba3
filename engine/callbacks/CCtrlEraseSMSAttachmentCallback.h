#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a message-attachments erase (CTaskCallback::signalEraseSMSAttachmentData).
class CCtrlEraseSMSAttachmentCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseSMSAttachmentCallback(VoidResultFunc result);
};
