#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

/// Loads the WeChat data from the device's backup into the store (CProcessLoadWeChatTask).
class CLoadWeChatDataTask : public CTask
{
public:
    explicit CLoadWeChatDataTask(VoidResultFunc result);
};
