#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QList>

/// Erases the selected Safari cache entries, or the whole cache.
class CEraseSafariCacheDataTask : public CTask
{
public:
    CEraseSafariCacheDataTask(int mode, const QList<quint32>& items, VoidResultFunc result);
};
