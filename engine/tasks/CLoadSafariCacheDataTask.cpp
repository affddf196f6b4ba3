#include "CLoadSafariCacheDataTask.h"

#include "CProcessLoadSafariCacheTask.h"
#include "TaskSupport.h"

CLoadSafariCacheDataTask::CLoadSafariCacheDataTask(VoidResultFunc result)
    : CTask(MakeLoaderProcess<CProcessLoadSafariCacheTask>(result))
{ }
