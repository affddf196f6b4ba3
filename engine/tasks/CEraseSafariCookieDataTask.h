#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QList>

/// Erases the selected Safari cookies, or all of them.
class CEraseSafariCookieDataTask : public CTask
{
public:
    CEraseSafariCookieDataTask(int mode, const QList<quint32>& items, VoidResultFunc result);
};
