#pragma once

#include <QString>

#include <cstdint>

class CCallBack;
class DeviceImage;
class SimDevice;

/// The running side of one operation: sends its notifications, paces its progress steps and
/// tells whether the device is still there.
class JobContext
{
public:
    JobContext(SimDevice& device, CCallBack* callback, const QString& kind);

    SimDevice& device() { return m_device; }
    const QString& kind() const { return m_kind; }

    /// Sends one notification; false when the callback has asked to stop (then or before),
    /// after which nothing more is sent.
    bool notify(int type, std::uint32_t p1 = 0, std::uint32_t p2 = 0, std::uint32_t p3 = 0, std::uint32_t p4 = 0,
                void* record = nullptr);
    /// Sends a notification even after a stop: the one end a stopped backup still owes.
    void notifyAfterStop(int type, std::uint32_t p1);
    bool stopped() const { return m_stopped; }
    int lastType() const { return m_lastType; }

    /// Pauses one progress step (OVDRIVER_SIM_DELAY_MS).
    void pause() const;
    /// Pauses about twenty times over a job of `total` items, at item `done`.
    void pace(int done, int total) const;
    /// The device has been unplugged or is restarting.
    bool deviceGone() const;
    /// Unplugs the device once the job is half done when its image asks to leave during
    /// this kind of job.
    void leaveIfAsked(const DeviceImage& image, int done, int total);
    void log(const QString& line) const;
    /// Reads the device's image for a job that needs the device itself; when the image is
    /// unreadable or the device is gone or not connected, reports `failureType` with the
    /// code and returns false.
    bool openDevice(DeviceImage& image, int failureType);
    /// Logs `why` and reports `failureType` with `code`.
    void fail(int failureType, int code, const QString& why);

private:
    SimDevice& m_device;
    CCallBack* m_callback;
    QString m_kind;
    int m_delayMs;
    int m_lastType = 0;
    bool m_stopped = false;
    bool m_left = false;
};
