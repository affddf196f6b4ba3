#include "LibrarySession.h"

#include "DeviceImageFixture.h"

#include <QFile>

LibrarySession::LibrarySession()
{
    m_clock.start();
    CreateDeviceManager(&m_manager);
    if (m_manager)
        m_manager->RegisterCallback(this, this);
}

LibrarySession::~LibrarySession()
{
    if (m_manager)
        m_manager->UnregisterCallback();
}

int LibrarySession::AppleDevCallback(int connectType, IBaseDevice* device, void* user)
{
    Event event { connectType, device, device ? QString::fromUtf8(device->UniqueId()) : QString(), m_clock.elapsed() };
    std::lock_guard<std::mutex> lock(m_mutex);
    if (user == this)
        m_events.push_back(event);
    return 0;
}

QList<LibrarySession::Event> LibrarySession::events() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return QList<Event>(m_events.begin(), m_events.end());
}

int LibrarySession::lastTypeOf(const QString& uniqueId, IBaseDevice** device) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto it = m_events.rbegin(); it != m_events.rend(); ++it) {
        if (it->uniqueId == uniqueId) {
            *device = it->device;
            return it->type;
        }
    }
    return -1;
}

IBaseDevice* LibrarySession::waitForArrival(const QString& uniqueId, int timeoutMs) const
{
    IBaseDevice* device = nullptr;
    return DeviceImageFixture::waitFor([&] { return lastTypeOf(uniqueId, &device) == 1; }, timeoutMs) ? device
                                                                                                      : nullptr;
}

bool LibrarySession::waitForRemoval(const QString& uniqueId, int timeoutMs) const
{
    IBaseDevice* device = nullptr;
    return DeviceImageFixture::waitFor(
        [&] {
            const int type = lastTypeOf(uniqueId, &device);
            return type != -1 && type != 1;
        },
        timeoutMs);
}

IPrivacyCleanDevice* LibrarySession::connect(const QString& uniqueId)
{
    IBaseDevice* base = waitForArrival(uniqueId);
    IPrivacyCleanDevice* device = nullptr;
    if (!base || GetiOSPrivacyCleanDevice(&device, base) != 0 || !device)
        return nullptr;
    NotificationRecorder recorder;
    run(device->Connect(&recorder));
    return recorder.types() == QList<int> { OV_NOTIFY_READY } ? device : nullptr;
}

int LibrarySession::run(IDeviceOperation* operation)
{
    if (!operation)
        return -1;
    const int last = operation->Run();
    operation->Release();
    return last;
}

PluggedPhone::PluggedPhone(DeviceContent content)
{
    content.plugged = true;
    folder = fixture.create("phone", content);
    session = std::make_unique<LibrarySession>();
    device = session->connect(fixture.uniqueId(folder));
    if (device)
        device->GetPrivateDataInterface(&data);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool backUp(IPrivacyCleanDevice* device, NotificationRecorder* recorder)
{
    IBackupInterface* backup = nullptr;
    device->GetBackupInterface(&backup);
    NotificationRecorder own;
    NotificationRecorder& told = recorder ? *recorder : own;
    LibrarySession::run(backup->CreateBackup(&told));
    return told.types().endsWith(OV_NOTIFY_BACKUP_END);
}
