#include "CLoadVoiceMemosDataTask.h"

#include "CProcessLoadVoiceMemosTask.h"
#include "TaskSupport.h"

CLoadVoiceMemosDataTask::CLoadVoiceMemosDataTask(VoidResultFunc result)
    : CTask(MakeLoaderProcess<CProcessLoadVoiceMemosTask>(result))
{ }
