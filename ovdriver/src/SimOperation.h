#pragma once

#include <ovdriver.h>

#include <QString>

#include <functional>

class JobContext;
class SimDevice;

/// One job of a simulated device; the work runs on the thread that calls Run().
class SimOperation final : public IDeviceOperation
{
public:
    using Job = std::function<void(JobContext&)>;

    SimOperation(SimDevice& device, CCallBack* callback, const QString& kind, Job job);
    int Run() override;
    void Release() override;

    /// An operation, or null (with a log line) when there is no callback to report to.
    static IDeviceOperation* make(SimDevice& device, CCallBack* callback, const QString& kind, Job job);
    /// An operation that reports nothing (the loads of private-data categories).
    static IDeviceOperation* makeSilent(SimDevice& device, const QString& kind, Job job);

private:
    ~SimOperation() = default;

    SimDevice& m_device;
    CCallBack* m_callback;
    QString m_kind;
    Job m_job;
    bool m_ran = false;
    int m_lastType = 0;
};
