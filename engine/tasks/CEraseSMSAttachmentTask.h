#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QList>

/// Erases the selected message attachments, or all messages.
class CEraseSMSAttachmentTask : public CTask
{
public:
    CEraseSMSAttachmentTask(int mode, const QList<quint32>& items, VoidResultFunc result);
};
