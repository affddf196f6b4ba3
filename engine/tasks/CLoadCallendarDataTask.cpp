#include "CLoadCallendarDataTask.h"

#include "CProcessLoadCallendarTask.h"
#include "TaskSupport.h"

CLoadCallendarDataTask::CLoadCallendarDataTask(VoidResultFunc result)
    : CTask(MakeLoaderProcess<CProcessLoadCallendarTask>(result))
{ }
