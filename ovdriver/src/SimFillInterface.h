#pragma once

#include <atomic>

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
    /// A new connection starts counting passes from one again.
    void resetPasses() { m_passes = 0; }

private:
    void run(JobContext& job);

    SimDevice& m_device;
    std::atomic<int> m_passes { 0 };
};
