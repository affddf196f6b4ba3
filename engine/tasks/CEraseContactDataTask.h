#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Erases all contacts.
class CEraseContactDataTask : public CTask
{
public:
    explicit CEraseContactDataTask(VoidResultFunc result);
};
