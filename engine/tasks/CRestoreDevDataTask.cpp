#include "CRestoreDevDataTask.h"

#include "CCtrlRestoreDevDataCallback.h"
#include "TaskSupport.h"

CRestoreDevDataTask::CRestoreDevDataTask(int restoreType, IntIntResultFunc result)
{
    IPrivacyCleanDevice* device = FirstDevice();
    if (!device)
        return;
    auto* callback = new CCtrlRestoreDevDataCallback(result);
    IRestoreInterface* restore = nullptr;
    device->GetRestoreInterface(&restore);
    m_pProcess = MakeOperationProcess(restore ? restore->CreateRestore(restoreType, callback) : nullptr, callback);
}
