#include "CLoadAppSizeTask.h"

#include "CCtrlLoadAppSizeCallback.h"
#include "CGlobalData.h"
#include "TaskSupport.h"
#include <mutex>

CLoadAppSizeTask::CLoadAppSizeTask(const QStringList& names, VoidResultFunc result)
{
    IPrivacyCleanDevice* device = FirstDevice();
    if (!device)
        return;
    {
        CGlobalData* store = CGlobalData::GetInstance();
        std::unique_lock<std::mutex> lock(store->OneKeyLock());
        store->m_mapAppDataSize.clear();
        store->m_mapAppBundleId.clear();
    }
    auto* callback = new CCtrlLoadAppSizeCallback(names, result);
    IOneKeyAppCategory* apps = nullptr;
    device->GetOneKeyApps(&apps);
    m_pProcess = MakeOperationProcess(apps ? apps->CreateScan(callback) : nullptr, callback);
}
