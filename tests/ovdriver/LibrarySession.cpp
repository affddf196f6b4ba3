#include "LibrarySession.h"

#include "DeviceImageFixture.h"

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
    QList<Event> copy;
    for (const Event& event : m_events)
        copy << event;
    return copy;
}

IBaseDevice* LibrarySession::waitForArrival(const QString& uniqueId, int timeoutMs) const
{
    IBaseDevice* found = nullptr;
    DeviceImageFixture::waitFor(
        [&] {
            const QList<Event> list = events();
            for (auto it = list.rbegin(); it != list.rend(); ++it) {
                if (it->uniqueId == uniqueId) {
                    found = it->type == 1 ? it->device : nullptr;
                    return found != nullptr;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

bool LibrarySession::waitForRemoval(const QString& uniqueId, int timeoutMs) const
{
    return DeviceImageFixture::waitFor(
        [&] {
            const QList<Event> list = events();
            for (auto it = list.rbegin(); it != list.rend(); ++it) {
                if (it->uniqueId == uniqueId)
                    return it->type != 1;
            }
            return false;
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
