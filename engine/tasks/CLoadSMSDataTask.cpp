#include "CLoadSMSDataTask.h"

#include "CProcessLoadSMSTask.h"
#include "TaskSupport.h"

CLoadSMSDataTask::CLoadSMSDataTask(VoidResultFunc result)
    : CTask(MakeLoaderProcess<CProcessLoadSMSTask>(result))
{ }
