#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QList>

/// Erases the selected note attachments, or all notes.
class CEraseNoteAttachmentTask : public CTask
{
public:
    CEraseNoteAttachmentTask(int mode, const QList<quint32>& items, VoidResultFunc result);
};
