#pragma once

#include <ovdriver.h>

class JobContext;
class SimDevice;

/// Overwrites the device's free space; reports the bytes written and the total as 64-bit
/// amounts in word pairs.
class SimFillInterface final : public IFillInterface
{
public:
    explicit SimFillInterface(SimDevice& device)
        : m_device(device)
    { }
    IDeviceOperation* CreateFill(CCallBack* callback) override;

private:
    void run(JobContext& job);

    SimDevice& m_device;
};
