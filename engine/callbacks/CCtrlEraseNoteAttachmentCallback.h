#pragma once

#include "CCtrlEraseDataCallback.h"

/// Reports the end of a note-attachments erase (CTaskCallback::signalEraseNoteAttachmentData).
class CCtrlEraseNoteAttachmentCallback : public CCtrlEraseDataCallback
{
public:
    explicit CCtrlEraseNoteAttachmentCallback(VoidResultFunc result);
};
