#include "CTask.h"

#include "CProcessTask.h"

CTask::CTask(CProcessTask* process)
    : m_pProcess(process)
{ }

CTask::~CTask()
{
    delete m_pProcess;
}

void CTask::Execute()
{
    if (m_pProcess)
        m_pProcess->Run();
}
