#pragma once

#include <ovdriver.h>

#include <functional>

class DeviceImage;
class SimDevice;

/// Empties the computer's backup copy in four stages: 1 the private data, 2 the photos and
/// videos, 4 the apps, 8 the files and settings (large files, junk, temporary files).
/// A restore of type 0 afterwards leaves the device empty.
class SimEraseAllInterface final : public IEraseAllInterface
{
public:
    explicit SimEraseAllInterface(SimDevice& device)
        : m_device(device)
    { }
    IDeviceOperation* CreateStage1(CCallBack* callback) override;
    IDeviceOperation* CreateStage2(CCallBack* callback) override;
    IDeviceOperation* CreateStage4(CCallBack* callback) override;
    IDeviceOperation* CreateStage8(CCallBack* callback) override;

private:
    IDeviceOperation* stage(CCallBack* callback, int stage, int answer, std::function<void(DeviceImage&)> erase);

    SimDevice& m_device;
};
