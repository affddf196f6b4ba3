#include "CConnectTask.h"

#include "CCtrlDevConnCallback.h"
#include "TaskSupport.h"

CConnectTask::CConnectTask(IntPointerResultFunc result)
{
    IPrivacyCleanDevice* device = FirstDevice();
    if (!device)
        return;
    auto* callback = new CCtrlDevConnCallback(result);
    m_pProcess = MakeOperationProcess(device->Connect(callback), callback);
    if (m_pProcess)
        m_pCallback = callback;
}
