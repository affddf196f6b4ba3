#include "CBackupDevDataTask.h"

#include "CCtrlBackupDevDataCallback.h"
#include "CGlobalData.h"
#include "CProcessUniversalTask.h"
#include "TaskSupport.h"

namespace {
/// The backup's run, which first marks the contacts as unread: the new backup may hold
/// other contacts. Marked here rather than at posting, so that a loader queued before the
/// backup cannot mark the old contacts as read after it.
class CProcessBackupTask : public CProcessUniversalTask
{
public:
    using CProcessUniversalTask::CProcessUniversalTask;
    void Run() override
    {
        CGlobalData::GetInstance()->m_bContactsLoaded = false;
        CProcessUniversalTask::Run();
    }
};
} // namespace

CBackupDevDataTask::CBackupDevDataTask(IntIntResultFunc result)
{
    IPrivacyCleanDevice* device = FirstDevice();
    if (!device)
        return;
    auto* callback = new CCtrlBackupDevDataCallback(result);
    IBackupInterface* backup = nullptr;
    device->GetBackupInterface(&backup);
    if (IDeviceOperation* operation = backup ? backup->CreateBackup(callback) : nullptr)
        m_pProcess = new CProcessBackupTask(operation, callback);
    else
        delete callback;
}
