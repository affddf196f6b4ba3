#include "COneKeyScanTask.h"

#include "CCtrlOneKeyScanCallback.h"
#include "TaskSupport.h"

COneKeyScanTask::COneKeyScanTask(int type, IntIntResultFunc result)
{
    IPrivacyCleanDevice* device = FirstDevice();
    if (!device)
        return;
    auto* callback = new CCtrlOneKeyScanCallback(result, type);
    IDeviceOperation* operation = nullptr;
    if (type == OV_ONEKEY_APPS) {
        IOneKeyAppCategory* apps = nullptr;
        device->GetOneKeyApps(&apps);
        operation = apps ? apps->CreateScan(callback) : nullptr;
    } else if (IOneKeyCategory* category = OvOneKeyCategoryOf(device, type)) {
        operation = category->CreateScan(callback);
    }
    m_pProcess = MakeOperationProcess(operation, callback);
}
