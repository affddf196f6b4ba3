#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QList>

/// Erases all Kik messages (mode 0) or the selected ones (mode 1).
class CEraseKikDataTask : public CTask
{
public:
    CEraseKikDataTask(int mode, const QList<quint32>& items, VoidResultFunc result);
};
