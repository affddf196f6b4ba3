#include "TaskSupport.h"

#include "CCtrlCallback.h"
#include "CProcessUniversalTask.h"
#include "ovdriver.h"

DevicePairType FirstDevicePair()
{
    const IDeviceAccess* access = IDeviceAccess::instance();
    return access ? access->FirstDevicePair() : DevicePairType();
}

IPrivacyCleanDevice* FirstDevice()
{
    return FirstDevicePair().second;
}

IPrivateDataInterface* PrivateDataInterface(IPrivacyCleanDevice* device)
{
    IPrivateDataInterface* privateData = nullptr;
    if (device)
        device->GetPrivateDataInterface(&privateData);
    return privateData;
}

CProcessTask* MakeOperationProcess(IDeviceOperation* operation, CCtrlCallback* callback,
                                   std::shared_ptr<const void> data)
{
    if (!operation) {
        delete callback;
        return nullptr;
    }
    return new CProcessUniversalTask(operation, callback, std::move(data));
}
