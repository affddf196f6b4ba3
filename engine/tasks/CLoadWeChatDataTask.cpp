#include "CLoadWeChatDataTask.h"

#include "CProcessLoadWeChatTask.h"
#include "TaskSupport.h"

CLoadWeChatDataTask::CLoadWeChatDataTask(VoidResultFunc result)
    : CTask(MakeLoaderProcess<CProcessLoadWeChatTask>(result))
{ }
