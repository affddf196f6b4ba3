#include "CLoadBookMarkDataTask.h"

#include "CProcessLoadBookMarkTask.h"
#include "TaskSupport.h"

CLoadBookMarkDataTask::CLoadBookMarkDataTask(VoidResultFunc result)
    : CTask(MakeLoaderProcess<CProcessLoadBookMarkTask>(result))
{ }
