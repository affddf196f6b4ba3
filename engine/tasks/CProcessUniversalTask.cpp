#include "CProcessUniversalTask.h"

#include "CCtrlCallback.h"
#include "ovdriver.h"

CProcessUniversalTask::CProcessUniversalTask(IDeviceOperation* operation, CCtrlCallback* callback,
                                             std::shared_ptr<const void> operationData)
    : CProcessTask(operation)
    , m_pCallback(callback)
    , m_pOperationData(std::move(operationData))
{ }

CProcessUniversalTask::~CProcessUniversalTask()
{
    ReleaseOperation();
}

void CProcessUniversalTask::Run()
{
    if (m_pOperation)
        m_pOperation->Run();
}
