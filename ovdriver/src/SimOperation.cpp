#include "SimOperation.h"

#include "JobContext.h"
#include "SimDevice.h"
#include "SimLog.h"

SimOperation::SimOperation(SimDevice& device, CCallBack* callback, const QString& kind, Job job)
    : m_device(device)
    , m_callback(callback)
    , m_kind(kind)
    , m_job(std::move(job))
{ }

IDeviceOperation* SimOperation::make(SimDevice& device, CCallBack* callback, const QString& kind, Job job)
{
    if (!callback) {
        SimLog::write(QString("%1 %2: refused, no callback given").arg(device.uniqueIdText(), kind));
        return nullptr;
    }
    return new SimOperation(device, callback, kind, std::move(job));
}

IDeviceOperation* SimOperation::makeSilent(SimDevice& device, const QString& kind, Job job)
{
    return new SimOperation(device, nullptr, kind, std::move(job));
}

int SimOperation::Run()
{
    if (m_ran) {
        SimLog::write(QString("%1 %2: ran already, not run again").arg(m_device.uniqueIdText(), m_kind));
        return m_lastType;
    }
    m_ran = true;
    JobContext context(m_device, m_callback, m_kind);
    m_job(context);
    m_lastType = context.lastType();
    return m_lastType;
}

void SimOperation::Release()
{
    delete this;
}
