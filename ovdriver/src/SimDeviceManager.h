#pragma once

#include <ovdriver.h>

#include <QString>

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class SimDevice;

/// The process's device manager: watches the folder of device images on its own thread and
/// reports a device as arrived while its folder holds a "plugged" file.
class SimDeviceManager final : public IDeviceManager
{
public:
    static SimDeviceManager& instance();

    int RegisterCallback(CDeviceConnectCallBack* callback, void* user) override;
    int UnregisterCallback() override;

    /// The device behind `base`, or null for a pointer the library never handed out.
    SimDevice* find(IBaseDevice* base);
    /// Makes the watcher look again now (a restart began, a device left).
    void wake();

    ~SimDeviceManager();

private:
    SimDeviceManager() = default;
    struct Watched
    {
        std::unique_ptr<SimDevice> device;
        bool reported = false;
    };

    void run(QString root, bool demo, quint64 generation);
    void ensureDemoDevice(const QString& root);
    /// One look at the folder; returns how long to sleep before the next.
    int scanOnce(const QString& root, quint64 generation);
    void stopWatcher();

    std::mutex m_mutex;
    std::condition_variable m_wakeUp;
    bool m_stop = false;
    bool m_woken = false;
    // A watcher left running by an unregistration from inside a report ends when a newer
    // registration has begun.
    quint64 m_generation = 0;
    std::thread m_thread;
    CDeviceConnectCallBack* m_callback = nullptr;
    void* m_user = nullptr;
    // Devices are never destroyed before the library is: the program keeps their pointers.
    std::map<QString, Watched> m_devices;
    std::vector<QString> m_order;
};
