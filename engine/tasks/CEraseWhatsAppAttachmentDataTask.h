#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QList>

/// Erases all WhatsApp data (mode 0) or the selected attachments (mode 1).
class CEraseWhatsAppAttachmentDataTask : public CTask
{
public:
    CEraseWhatsAppAttachmentDataTask(int mode, const QList<quint32>& items, VoidResultFunc result);
};
