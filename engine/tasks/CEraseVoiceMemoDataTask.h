#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Erases all voice memos.
class CEraseVoiceMemoDataTask : public CTask
{
public:
    explicit CEraseVoiceMemoDataTask(VoidResultFunc result);
};
