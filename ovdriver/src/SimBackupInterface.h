#pragma once

#include <ovdriver.h>

class JobContext;
class SimDevice;

/// Backs a device up: copies its manifest and its photos and videos into
/// "<backup root>/<unique id>", the copy that the loaders and erases then work on.
class SimBackupInterface final : public IBackupInterface
{
public:
    explicit SimBackupInterface(SimDevice& device)
        : m_device(device)
    { }
    IDeviceOperation* CreateBackup(CCallBack* callback) override;

private:
    void run(JobContext& job);

    SimDevice& m_device;
};
