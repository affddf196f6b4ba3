#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QList>

/// Erases all Kik data (mode 0) or the selected attachments (mode 1).
class CEraseKikAttachmentDataTask : public CTask
{
public:
    CEraseKikAttachmentDataTask(int mode, const QList<quint32>& items, VoidResultFunc result);
};
