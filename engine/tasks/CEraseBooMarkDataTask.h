#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Erases all bookmarks.
class CEraseBooMarkDataTask : public CTask
{
public:
    explicit CEraseBooMarkDataTask(VoidResultFunc result);
};
