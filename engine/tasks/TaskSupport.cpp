#include "TaskSupport.h"

#include "CController.h"
#include "CCtrlCallback.h"
#include "CProcessUniversalTask.h"
#include "ovdriver.h"

DevicePairType FirstDevicePair()
{
    return CController::GetInstance()->GetDeviceManager()->DevicePair(0);
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
