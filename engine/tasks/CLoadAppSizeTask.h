#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QStringList>

/// Measures the data of the named apps with the device's app scan.
class CLoadAppSizeTask : public CTask
{
public:
    CLoadAppSizeTask(const QStringList& names, VoidResultFunc result);
};
