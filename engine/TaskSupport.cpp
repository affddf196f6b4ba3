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

IOneKeyCategory* OneKeyCategoryOf(IPrivacyCleanDevice* device, int type)
{
    if (!device)
        return nullptr;
    IOneKeyCategory* category = nullptr;
    switch (type) {
    case 2:
        device->GetOneKeyTempFiles(&category);
        break;
    case 8:
        device->GetOneKeyLargeFiles(&category);
        break;
    case 32:
        device->GetOneKeyUserStorage(&category);
        break;
    case 64:
        device->GetOneKeyPhotoCaches(&category);
        break;
    case 128:
        device->GetOneKeyDownloadTemp(&category);
        break;
    case 256:
        device->GetOneKeyCrashLogs(&category);
        break;
    case 512:
        device->GetOneKeyiTunesCaches(&category);
        break;
    case 1024:
        device->GetOneKeyPhotos(&category);
        break;
    case 2048:
        device->GetOneKeyCompressPhotos(&category);
        break;
    default:
        break;
    }
    return category;
}
