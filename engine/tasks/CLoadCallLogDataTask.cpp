#include "CLoadCallLogDataTask.h"

#include "CProcessLoadCallLogTask.h"
#include "TaskSupport.h"

CLoadCallLogDataTask::CLoadCallLogDataTask(VoidResultFunc result)
    : CTask(MakeLoaderProcess<CProcessLoadCallLogTask>(result))
{ }
