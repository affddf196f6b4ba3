#include "SimFillInterface.h"

#include "DeviceImage.h"
#include "ErrorCodes.h"
#include "JobContext.h"
#include "SimDevice.h"
#include "SimOperation.h"

#include <QFile>

#include <algorithm>

namespace {

std::uint32_t low(quint64 value)
{
    return static_cast<std::uint32_t>(value & 0xffffffffu);
}

std::uint32_t high(quint64 value)
{
    return static_cast<std::uint32_t>(value >> 32);
}

} // namespace

IDeviceOperation* SimFillInterface::CreateFill(CCallBack* callback)
{
    return SimOperation::make(m_device, callback, "fill", [this](JobContext& job) { run(job); });
}

void SimFillInterface::run(JobContext& job)
{
    auto fail = [&job](int code, const QString& why) { job.fail(OV_NOTIFY_JOB_FAILED, code, why); };
    DeviceImage image;
    if (!job.openDevice(image, OV_NOTIFY_JOB_FAILED))
        return;
    const int fault = image.faultCode("fill");
    // A full device still reports one byte, so that the program never divides by zero.
    const quint64 total = std::max<quint64>(image.freeBytes(), 1);
    const int pass = ++m_passes;
    job.log(QString("pass %1 started, %2 bytes").arg(pass).arg(total));
    // The filler really takes the space while the fill runs (sparse: it costs this computer
    // nothing), so the device's free space falls to zero, and is given back at the end.
    QFile filler(image.fillerPath());
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(OvSimError::FileError, "cannot create " + image.fillerPath());
    auto release = [&filler] {
        filler.close();
        filler.remove();
    };
    constexpr int steps = 20;
    for (int step = 1; step <= steps; ++step) {
        job.leaveIfAsked(image, step, steps);
        if (job.deviceGone()) {
            release();
            return fail(OvSimError::DeviceGone, "the device left during the fill");
        }
        if (fault != 0 && step > steps / 2) {
            release();
            return fail(fault, "the fault of its image");
        }
        const quint64 written = total / steps * step + (step == steps ? total % steps : 0);
        if (!filler.resize(static_cast<qint64>(written))) {
            release();
            return fail(OvSimError::FileError, "cannot grow " + image.fillerPath());
        }
        if (!job.notify(OV_NOTIFY_ITEM_DONE, low(written), high(written), low(total), high(total))) {
            release();
            return;
        }
        job.pause();
    }
    release();
    job.log(QString("pass %1 finished").arg(pass));
    job.notify(OV_NOTIFY_READY, low(total), high(total), low(total), high(total));
}
