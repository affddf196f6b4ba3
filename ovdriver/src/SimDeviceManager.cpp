#include "SimDeviceManager.h"

#include "DeviceImage.h"
#include "ImageBuilder.h"
#include "SimDevice.h"
#include "SimEnvironment.h"
#include "SimLog.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// Arrival and removal must show within 500 ms of the marker changing.
constexpr int kPollMs = 100;

} // namespace

SimDeviceManager& SimDeviceManager::instance()
{
    static SimDeviceManager manager;
    return manager;
}

SimDeviceManager::~SimDeviceManager()
{
    stopWatcher();
}

int SimDeviceManager::RegisterCallback(CDeviceConnectCallBack* callback, void* user)
{
    if (!callback) {
        SimLog::write("RegisterCallback refused: no callback given");
        return -1;
    }
    stopWatcher();
    const QString configured = SimEnvironment::configuredRoot();
    const bool demo = configured.isEmpty();
    const QString root = demo ? SimEnvironment::deviceRoot() : configured;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_callback = callback;
    m_user = user;
    m_stop = false;
    // Devices already plugged in are reported again to the new callback.
    for (auto& entry : m_devices)
        entry.second.reported = false;
    SimLog::write(QString("watching %1%2").arg(root, demo ? " (demo folder)" : ""));
    m_thread = std::thread(&SimDeviceManager::run, this, root, demo, ++m_generation);
    return 0;
}

int SimDeviceManager::UnregisterCallback()
{
    stopWatcher();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_callback = nullptr;
    m_user = nullptr;
    return 0;
}

void SimDeviceManager::stopWatcher()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wakeUp.notify_all();
    if (!m_thread.joinable())
        return;
    if (m_thread.get_id() == std::this_thread::get_id()) {
        // Called from inside a report: the loop ends when the report returns.
        m_thread.detach();
        return;
    }
    m_thread.join();
}

SimDevice* SimDeviceManager::find(IBaseDevice* base)
{
    if (!base)
        return nullptr;
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto& entry : m_devices) {
        if (static_cast<IBaseDevice*>(entry.second.device.get()) == base)
            return entry.second.device.get();
    }
    return nullptr;
}

void SimDeviceManager::wake()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_woken = true;
    }
    m_wakeUp.notify_all();
}

void SimDeviceManager::run(QString root, bool demo, quint64 generation)
{
    if (demo)
        ensureDemoDevice(root);
    for (;;) {
        const int sleepMs = scanOnce(root, generation);
        std::unique_lock<std::mutex> lock(m_mutex);
        auto ended = [this, generation] { return m_stop || m_generation != generation; };
        m_wakeUp.wait_for(lock, std::chrono::milliseconds(sleepMs), [&] { return ended() || m_woken; });
        m_woken = false;
        if (ended())
            return;
    }
}

void SimDeviceManager::ensureDemoDevice(const QString& root)
{
    const QDir folder(root);
    const QStringList existing = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : existing) {
        if (QFileInfo::exists(folder.filePath(name) + "/device.json"))
            return;
    }
    const QString target = folder.filePath("DemoiPhone");
    SimLog::write("creating the demo device in " + target);
    QString error;
    if (!ImageBuilder::create(target, DeviceContent::demo(), &error))
        SimLog::write("cannot create the demo device: " + error);
}

int SimDeviceManager::scanOnce(const QString& root, quint64 generation)
{
    const QDir folder(root);
    QStringList names = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    struct Report
    {
        SimDevice* device;
        int type;
    };
    std::vector<Report> reports;
    int sleepMs = kPollMs;
    CDeviceConnectCallBack* callback = nullptr;
    void* user = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stop || m_generation != generation)
            return 0;
        callback = m_callback;
        user = m_user;
        for (const QString& name : names) {
            const QString path = folder.absoluteFilePath(name);
            if (m_devices.count(path)
                || !(QFileInfo::exists(path + "/plugged") || QFileInfo::exists(path + "/device.json")))
                continue;
            m_devices[path].device = std::make_unique<SimDevice>(path);
            m_order.push_back(path);
        }
        for (const QString& path : m_order) {
            Watched& watched = m_devices[path];
            SimDevice* device = watched.device.get();
            if (!path.startsWith(folder.absolutePath() + '/'))
                continue; // a device of an earlier root stays silent
            const bool restartRemoval = device->takeRestartRemoval();
            const bool present = device->isPresent();
            if (watched.reported && (restartRemoval || !present)) {
                watched.reported = false;
                reports.push_back({ device, 2 });
            } else if (!watched.reported && present) {
                watched.reported = true;
                reports.push_back({ device, 1 });
            }
            const qint64 remaining = device->restartRemainingMs();
            if (remaining >= 0)
                sleepMs = static_cast<int>(std::min<qint64>(sleepMs, remaining + 1));
        }
    }
    for (const Report& report : reports) {
        {
            // An unregistration from inside the previous report ends the reports at once.
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stop || m_generation != generation)
                break;
        }
        if (report.type == 1)
            report.device->onArrived();
        else
            report.device->onRemoved();
        if (callback)
            callback->AppleDevCallback(report.type, report.device, user);
    }
    return sleepMs;
}
