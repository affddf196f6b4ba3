#include "CBackupDevDataTask.h"

#include "CCtrlBackupDevDataCallback.h"
#include "TaskSupport.h"

CBackupDevDataTask::CBackupDevDataTask(IntIntResultFunc result)
{
    IPrivacyCleanDevice* device = FirstDevice();
    if (!device)
        return;
    auto* callback = new CCtrlBackupDevDataCallback(result);
    IBackupInterface* backup = nullptr;
    device->GetBackupInterface(&backup);
    m_pProcess = MakeOperationProcess(backup ? backup->CreateBackup(callback) : nullptr, callback);
}
