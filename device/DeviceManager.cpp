#include "DeviceManager.h"

#include "ovdriver.h"

#include <cstdint>
#include <mutex>

DeviceManager::~DeviceManager()
{
    StopDeviceNotifications();
}

void DeviceManager::StopDeviceNotifications()
{
    IDeviceManager* manager;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        manager = m_pDeviceManager;
        m_pDeviceManager = nullptr;
    }
    // Without the lock: a report under way may still need the list.
    if (manager)
        manager->UnregisterCallback();
}

void DeviceManager::SetConnectHandler(DeviceHandlerFunc handler, void* user)
{
    SetHandler(m_pConnectHandler, m_pConnectUser, handler, user);
}

void DeviceManager::SetDisconnectHandler(DeviceHandlerFunc handler, void* user)
{
    SetHandler(m_pDisconnectHandler, m_pDisconnectUser, handler, user);
}

void DeviceManager::SetHandler(DeviceHandlerFunc& slot, void*& userSlot, DeviceHandlerFunc handler, void* user)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (slot)
        return;
    slot = handler;
    userSlot = user;
}

void DeviceManager::StartDeviceNotifications()
{
    IDeviceManager* manager = nullptr;
    CreateDeviceManager(&manager);
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_pDeviceManager = manager;
    }
    // Registration reports the devices already plugged in at once, on the library's
    // thread, so the lock must not be held here.
    if (manager)
        manager->RegisterCallback(&m_notifyCallback, this);
}

DevicePairType DeviceManager::DevicePair(int index) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (index < 0 || index >= m_devices.size())
        return DevicePairType(nullptr, nullptr);
    return m_devices.at(index);
}

void DeviceManager::AddDevice(IBaseDevice* baseDevice, IPrivacyCleanDevice* cleanDevice)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_devices.append(DevicePairType(baseDevice, cleanDevice));
}

void DeviceManager::RemoveDevice(IBaseDevice* baseDevice)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (int i = 0; i < m_devices.size(); ++i) {
        if (m_devices.at(i).first == baseDevice) {
            m_devices.removeAt(i);
            return;
        }
    }
}

int DeviceManager::DeviceCount() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_devices.size();
}

void DeviceManager::CallConnectHandler(IBaseDevice* baseDevice)
{
    CallHandler(m_pConnectHandler, m_pConnectUser, baseDevice);
}

void DeviceManager::CallDisconnectHandler(IBaseDevice* baseDevice)
{
    CallHandler(m_pDisconnectHandler, m_pDisconnectUser, baseDevice);
}

void DeviceManager::CallHandler(const DeviceHandlerFunc& slot, void* const& userSlot, IBaseDevice* baseDevice)
{
    DeviceHandlerFunc handler;
    void* user;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        handler = slot;
        user = userSlot;
    }
    // Called without the lock: a handler may well ask for the list.
    if (handler)
        handler(baseDevice, user);
}
