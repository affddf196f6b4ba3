#pragma once

#include <QPair>

class IBaseDevice;
class IPrivacyCleanDevice;

/// A connected device: its base pointer and its operation factory (which may be null).
using DevicePairType = QPair<IBaseDevice*, IPrivacyCleanDevice*>;

/// What the engine needs of whoever owns the connected devices, without knowing it: the
/// first device, the stop requests of long jobs and the removal of a device that left.
/// The controller implements it and registers itself when it is built; tests may register
/// a fake. Every member may be called from the control thread and the library's threads.
class IDeviceAccess
{
public:
    virtual ~IDeviceAccess() = default;

    /// The first device still connected, or two null pointers.
    virtual DevicePairType FirstDevicePair() const = 0;
    /// Reads and clears the stop request of a job kind (0 backup, 1 restore, 2 fill).
    virtual bool TestAndClearStopRequest(int jobKind) = 0;
    /// Forgets `baseDevice`; does nothing when it is not connected.
    virtual void RemoveDevice(IBaseDevice* baseDevice) = 0;

    static void registerInstance(IDeviceAccess* access);
    /// Unregisters `access` only if it is the registered one.
    static void unregisterInstance(IDeviceAccess* access);
    /// The registered owner, or null: the engine then sees no device and no stop request.
    static IDeviceAccess* instance();
};
