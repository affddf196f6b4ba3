#pragma once

#include "CCtrlDevConnNotifyCallback.h"
#include "IDeviceAccess.h"
#include "ResultFunctions.h"

#include <QList>
#include <QPair>
#include <mutex>

class IBaseDevice;
class IDeviceManager;
class IPrivacyCleanDevice;

/// The wrapper around the library's device manager and the list of connected devices in
/// arrival order. The list is changed on the library's thread and read on the window and
/// control threads, so every access takes the lock; readers get copies.
class DeviceManager
{
public:
    DeviceManager() = default;
    /// Stops the library's reports first, so that none arrives at a deleted object.
    ~DeviceManager();
    DeviceManager(const DeviceManager&) = delete;
    DeviceManager& operator=(const DeviceManager&) = delete;

    /// Stores the handler with its user pointer unless one is already set (the first wins).
    void SetConnectHandler(DeviceHandlerFunc handler, void* user);
    void SetDisconnectHandler(DeviceHandlerFunc handler, void* user);
    /// Creates the library's manager and registers the embedded callback with it.
    void StartDeviceNotifications();
    /// Unregisters from the library, which returns once no report is under way.
    void StopDeviceNotifications();

    /// The pair at `index`, or two null pointers past the end.
    DevicePairType DevicePair(int index) const;
    void AddDevice(IBaseDevice* baseDevice, IPrivacyCleanDevice* cleanDevice);
    /// Removes the first pair of `baseDevice`; does nothing when there is none.
    void RemoveDevice(IBaseDevice* baseDevice);
    int DeviceCount() const;

    void CallConnectHandler(IBaseDevice* baseDevice);
    void CallDisconnectHandler(IBaseDevice* baseDevice);
    CCtrlDevConnNotifyCallback* NotifyCallback() { return &m_notifyCallback; }

private:
    void SetHandler(DeviceHandlerFunc& slot, void*& userSlot, DeviceHandlerFunc handler, void* user);
    void CallHandler(const DeviceHandlerFunc& slot, void* const& userSlot, IBaseDevice* baseDevice);

    DeviceHandlerFunc m_pConnectHandler = nullptr;
    DeviceHandlerFunc m_pDisconnectHandler = nullptr;
    CCtrlDevConnNotifyCallback m_notifyCallback;
    void* m_pConnectUser = nullptr;
    void* m_pDisconnectUser = nullptr;
    IDeviceManager* m_pDeviceManager = nullptr;
    QList<DevicePairType> m_devices;
    mutable std::mutex m_mutex;
};
