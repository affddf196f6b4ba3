#pragma once

#include "IDeviceAccess.h"

#include <memory>

#include "ResultFunctions.h"

class CCtrlCallback;
class CProcessTask;
class IDeviceOperation;
class IOneKeyCategory;
class IPrivacyCleanDevice;
class IPrivateDataInterface;

// Helpers the tasks share while they are built.

/// The pair every task and query works on: the first device still connected.
DevicePairType FirstDevicePair();
/// The operation factory of the first device, or null.
IPrivacyCleanDevice* FirstDevice();
/// The device's private-data interface (its slot 7), or null.
IPrivateDataInterface* PrivateDataInterface(IPrivacyCleanDevice* device);
/// The process that runs `operation` with its `callback` and keeps `data` alive while the
/// operation may read it. With no operation the callback is freed and null is returned,
/// which leaves the task empty.
CProcessTask* MakeOperationProcess(IDeviceOperation* operation, CCtrlCallback* callback,
                                   std::shared_ptr<const void> data = nullptr);

/// The process of a loader task: the loader, or null when no device is connected.
template<class Loader> CProcessTask* MakeLoaderProcess(VoidResultFunc result)
{
    return FirstDevice() ? new Loader(result) : nullptr;
}
