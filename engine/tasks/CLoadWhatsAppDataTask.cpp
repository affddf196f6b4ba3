#include "CLoadWhatsAppDataTask.h"

#include "CProcessLoadWhatsAppTask.h"
#include "TaskSupport.h"

CLoadWhatsAppDataTask::CLoadWhatsAppDataTask(VoidResultFunc result)
    : CTask(MakeLoaderProcess<CProcessLoadWhatsAppTask>(result))
{ }
