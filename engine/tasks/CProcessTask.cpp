#include "CProcessTask.h"

#include "ovdriver.h"

CProcessTask::CProcessTask(IDeviceOperation* operation)
    : m_pOperation(operation)
{ }

CProcessTask::~CProcessTask()
{
    ReleaseOperation();
}

void CProcessTask::ReleaseOperation()
{
    if (m_pOperation) {
        m_pOperation->Release();
        m_pOperation = nullptr;
    }
}
