#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QList>

/// Erases the selected photos and videos, whatever the mode.
class CErasePhotoAndVideoDataTask : public CTask
{
public:
    CErasePhotoAndVideoDataTask(int mode, const QList<quint32>& items, VoidResultFunc result);
};
