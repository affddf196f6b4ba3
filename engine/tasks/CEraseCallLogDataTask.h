#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QList>

/// Erases the selected calls, or the whole call history.
class CEraseCallLogDataTask : public CTask
{
public:
    CEraseCallLogDataTask(int mode, const QList<quint32>& items, VoidResultFunc result);
};
