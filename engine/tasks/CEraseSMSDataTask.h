#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QList>

/// Erases the selected message conversations, or all messages.
class CEraseSMSDataTask : public CTask
{
public:
    CEraseSMSDataTask(int mode, const QList<quint32>& items, VoidResultFunc result);
};
