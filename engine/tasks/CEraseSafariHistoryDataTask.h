#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QList>

/// Erases the selected Safari history entries, or the whole history.
class CEraseSafariHistoryDataTask : public CTask
{
public:
    CEraseSafariHistoryDataTask(int mode, const QList<quint32>& items, VoidResultFunc result);
};
