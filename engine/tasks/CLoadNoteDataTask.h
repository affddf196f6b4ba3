#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Loads the notes from the device's backup into the store (CProcessLoadNoteTask).
class CLoadNoteDataTask : public CTask
{
public:
    explicit CLoadNoteDataTask(VoidResultFunc result);
};
