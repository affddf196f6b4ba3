#include "CLoadKikDataTask.h"

#include "CProcessLoadKikTask.h"
#include "TaskSupport.h"

CLoadKikDataTask::CLoadKikDataTask(VoidResultFunc result)
    : CTask(MakeLoaderProcess<CProcessLoadKikTask>(result))
{ }
