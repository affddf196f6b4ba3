#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QList>

/// Erases all WhatsApp messages (mode 0) or the selected ones (mode 1).
class CEraseWhatsAppDataTask : public CTask
{
public:
    CEraseWhatsAppDataTask(int mode, const QList<quint32>& items, VoidResultFunc result);
};
