#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a Kik attachments erase (CTaskCallback::signalEraseKikAttachmentData).
class CCtrlEraseKikAttachmentDataCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseKikAttachmentDataCallback(VoidResultFunc result);
};
