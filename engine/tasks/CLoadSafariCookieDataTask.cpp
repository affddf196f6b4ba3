#include "CLoadSafariCookieDataTask.h"

#include "CProcessLoadSafariCookieTask.h"
#include "TaskSupport.h"

CLoadSafariCookieDataTask::CLoadSafariCookieDataTask(VoidResultFunc result)
    : CTask(MakeLoaderProcess<CProcessLoadSafariCookieTask>(result))
{ }
