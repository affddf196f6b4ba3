#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Loads the voice memos from the device's backup into the store (CProcessLoadVoiceMemosTask).
class CLoadVoiceMemosDataTask : public CTask
{
public:
    explicit CLoadVoiceMemosDataTask(VoidResultFunc result);
};
