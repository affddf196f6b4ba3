#include "CLoadPhotoAndVideoDataTask.h"

#include "CProcessLoadPhotoAndVideoTask.h"
#include "TaskSupport.h"

CLoadPhotoAndVideoDataTask::CLoadPhotoAndVideoDataTask(VoidResultFunc result)
    : CTask(MakeLoaderProcess<CProcessLoadPhotoAndVideoTask>(result))
{ }
