#pragma once

#include "NotificationRecorder.h"

#include <ovdriver.h>

#include <QElapsedTimer>
#include <QList>
#include <QString>

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

    IDeviceManager* manager() const { return m_manager; }
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
    IDeviceManager* m_manager = nullptr;
    QElapsedTimer m_clock;
    mutable std::mutex m_mutex;
    // Not a QList: a shared copy handed to another thread would be detached behind its back.
    std::vector<Event> m_events;
};
