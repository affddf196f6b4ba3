#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QList>

/// Erases all Viber messages (mode 0) or the selected ones (mode 1).
class CEraseViberDataTask : public CTask
{
public:
    CEraseViberDataTask(int mode, const QList<quint32>& items, VoidResultFunc result);
};
