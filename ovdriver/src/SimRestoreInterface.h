#pragma once

#include <ovdriver.h>

#include <QStringList>

class DeviceImage;
class JobContext;
class SimDevice;

/// Writes the computer's backup copy back to the device, which then restarts.
/// Type 0 restores everything the copy holds (after an erase-all: nothing); any other type
/// restores the private data, photos and videos, and the app data sizes.
class SimRestoreInterface final : public IRestoreInterface
{
public:
    explicit SimRestoreInterface(SimDevice& device)
        : m_device(device)
    { }
    IDeviceOperation* CreateRestore(int restoreType, CCallBack* callback) override;

private:
    void run(JobContext& job, int restoreType);
    /// Changes `image` to the copy; returns the files to delete once it is saved.
    static QStringList apply(DeviceImage& image, const DeviceImage& copy, int restoreType, JobContext& job);

    SimDevice& m_device;
};
