#include "CLoadSafariHistoryDataTask.h"

#include "CProcessLoadSafariHistoryTask.h"
#include "TaskSupport.h"

CLoadSafariHistoryDataTask::CLoadSafariHistoryDataTask(VoidResultFunc result)
    : CTask(MakeLoaderProcess<CProcessLoadSafariHistoryTask>(result))
{ }
