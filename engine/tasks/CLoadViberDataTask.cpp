#include "CLoadViberDataTask.h"

#include "CProcessLoadViberTask.h"
#include "TaskSupport.h"

CLoadViberDataTask::CLoadViberDataTask(VoidResultFunc result)
    : CTask(MakeLoaderProcess<CProcessLoadViberTask>(result))
{ }
