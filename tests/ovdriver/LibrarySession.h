#pragma once

#include "DeviceImageFixture.h"
#include "NotificationRecorder.h"

#include <ovdriver.h>

#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <memory>
#include <mutex>
#include <vector>

/// The library as the program uses it: the device manager with an arrival callback that
/// records every report. Make the DeviceImageFixture first: registration reads its root.
class LibrarySession final : public CDeviceConnectCallBack
{
public:
    struct Event
    {
        int type; ///< 1 arrived, anything else removed
        IBaseDevice* device;
        QString uniqueId;
        qint64 atMs; ///< since the session began
    };

    LibrarySession();
    ~LibrarySession();

    int AppleDevCallback(int connectType, IBaseDevice* device, void* user) override;

    QList<Event> events() const;
    qint64 elapsedMs() const { return m_clock.elapsed(); }
    /// Waits for the device to be reported present and returns its base, or null.
    IBaseDevice* waitForArrival(const QString& uniqueId, int timeoutMs = 3000) const;
    /// Waits until the device's last report is a removal.
    bool waitForRemoval(const QString& uniqueId, int timeoutMs = 3000) const;
    /// Waits for the device and connects it; null unless Connect answered 12.
    IPrivacyCleanDevice* connect(const QString& uniqueId);

    /// Runs and releases `operation` with nothing recorded; returns its last type, or -1
    /// for a null operation.
    static int run(IDeviceOperation* operation);

private:
    /// The type of the device's last report (-1: none yet), and its base in `device`.
    int lastTypeOf(const QString& uniqueId, IBaseDevice** device) const;

    IDeviceManager* m_manager = nullptr;
    QElapsedTimer m_clock;
    mutable std::mutex m_mutex;
    // Not a QList: a shared copy handed to another thread would be detached behind its back.
    std::vector<Event> m_events;
};

/// The file's bytes; empty when it cannot be read.
QByteArray fileBytes(const QString& path);
/// Backs `device` up, telling `recorder` if given; true when the backup ended well.
bool backUp(IPrivacyCleanDevice* device, NotificationRecorder* recorder = nullptr);

/// A device image made with `content`, plugged, and connected through a session of its own.
struct PluggedPhone
{
    explicit PluggedPhone(DeviceContent content = DeviceImageFixture::smallContent());
    bool backup(NotificationRecorder* recorder = nullptr) const { return backUp(device, recorder); }

    DeviceImageFixture fixture;
    QString folder;
    std::unique_ptr<LibrarySession> session;
    IPrivacyCleanDevice* device = nullptr; ///< null unless the device connected
    IPrivateDataInterface* data = nullptr;
};
