#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QList>

/// Erases the selected notes, or all notes.
class CEraseNoteDataTask : public CTask
{
public:
    CEraseNoteDataTask(int mode, const QList<quint32>& items, VoidResultFunc result);
};
