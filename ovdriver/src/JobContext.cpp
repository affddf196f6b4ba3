#include "JobContext.h"

#include "DeviceImage.h"
#include "ErrorCodes.h"
#include "SimDevice.h"
#include "SimEnvironment.h"
#include "SimLog.h"

#include <ovdriver.h>

#include <chrono>
#include <thread>

JobContext::JobContext(SimDevice& device, CCallBack* callback, const QString& kind)
    : m_device(device)
    , m_callback(callback)
    , m_kind(kind)
    , m_delayMs(SimEnvironment::stepDelayMs())
{ }

bool JobContext::notify(int type, std::uint32_t p1, std::uint32_t p2, std::uint32_t p3, std::uint32_t p4, void* record)
{
    if (m_stopped)
        return false;
    m_lastType = type;
    if (m_callback && m_callback->OnStateChange(type, p1, p2, p3, p4, record) == -1) {
        m_stopped = true;
        log(QString("stopped by the program at notification %1").arg(type));
    }
    return !m_stopped;
}

void JobContext::notifyAfterStop(int type, std::uint32_t p1)
{
    m_lastType = type;
    if (m_callback)
        m_callback->OnStateChange(type, p1, 0, 0, 0, nullptr);
}

void JobContext::pause() const
{
    if (m_delayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(m_delayMs));
}

void JobContext::pace(int done, int total) const
{
    if (total <= 0 || m_delayMs <= 0)
        return;
    if (total <= 20 || (done * 20 / total) != ((done + 1) * 20 / total))
        pause();
}

bool JobContext::deviceGone() const
{
    return !m_device.isPresent();
}

void JobContext::leaveIfAsked(const DeviceImage& image, int done, int total)
{
    if (m_left || image.leaveDuring() != m_kind || done * 2 < total)
        return;
    m_left = true;
    log("the device leaves as its image asks");
    m_device.leave();
}

void JobContext::log(const QString& line) const
{
    SimLog::write(QString("%1 %2: %3").arg(m_device.uniqueIdText(), m_kind, line));
}

bool JobContext::openDevice(DeviceImage& image, int failureType)
{
    QString error;
    if (!m_device.readImage(image, &error)) {
        fail(failureType, OvSimError::BadImage, error);
        return false;
    }
    if (deviceGone()) {
        fail(failureType, OvSimError::DeviceGone, "the device is not plugged in");
        return false;
    }
    if (!m_device.connected()) {
        fail(failureType, OvSimError::NotConnected, "the device is not connected");
        return false;
    }
    return true;
}

void JobContext::fail(int failureType, int code, const QString& why)
{
    log(QString("failed (%1): %2").arg(code).arg(why));
    notify(failureType, static_cast<std::uint32_t>(code));
}
