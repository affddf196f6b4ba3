#include "CRemoveBackupTask.h"

#include "CProcessTask.h"
#include "Log.h"
#include "TaskSupport.h"
#include "ovdriver.h"

namespace {

class RemoveBackupProcess : public CProcessTask
{
public:
    explicit RemoveBackupProcess(IPrivacyCleanDevice* device)
        : m_device(device)
    { }

    void Run() override
    {
        // The device may have left since the post; only a device still there is asked.
        IPrivacyCleanDevice* device = FirstDevice();
        if (device != m_device) {
            FileLog("remove backup skipped: the device has changed.");
            return;
        }
        FileLog("remove backup end. result:%d", device->RemoveBackup());
    }

private:
    IPrivacyCleanDevice* m_device;
};

} // namespace

CRemoveBackupTask::CRemoveBackupTask()
{
    if (IPrivacyCleanDevice* device = FirstDevice())
        m_pProcess = new RemoveBackupProcess(device);
}
