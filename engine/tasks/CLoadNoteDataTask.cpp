#include "CLoadNoteDataTask.h"

#include "CProcessLoadNoteTask.h"
#include "TaskSupport.h"

CLoadNoteDataTask::CLoadNoteDataTask(VoidResultFunc result)
    : CTask(MakeLoaderProcess<CProcessLoadNoteTask>(result))
{ }
