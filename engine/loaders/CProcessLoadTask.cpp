#include "CProcessLoadTask.h"

#include "CGlobalData.h"
#include "CProcessLoadAddressBookTask.h"
#include "CTaskCallback.h"
#include "TaskSupport.h"
#include "ovdriver.h"

CProcessLoadTask::CProcessLoadTask(VoidResultFunc result, bool contactsFirst)
    : m_pResult(result)
{
    if (contactsFirst)
        m_pContacts.reset(new CProcessLoadAddressBookTask(CTaskCallback::Emit_signalLoadAddressBookData));
}

CProcessLoadTask::~CProcessLoadTask() = default;

bool CProcessLoadTask::LoadContactsFirst()
{
    CGlobalData* store = CGlobalData::GetInstance();
    if (!store->m_bContactsLoaded) {
        m_pContacts->Run();
        if (loadCancel)
            return false;
        store->m_bContactsLoaded = true;
    }
    return true;
}

void CProcessLoadTask::Run()
{
    if (loadCancel)
        return;
    IPrivacyCleanDevice* device = FirstDevice();
    if (!device || (m_pContacts && !LoadContactsFirst()))
        return;

    CGlobalData& store = *CGlobalData::GetInstance();
    ClearLists(store);
    IPrivateDataInterface* privateData = PrivateDataInterface(device);
    // Without a category there is nothing to read; the empty result is still announced so
    // that nobody waits for it.
    if (IPrivacyCategory* category = privateData ? FindCategory(*privateData) : nullptr) {
        if (IDeviceOperation* load = category->CreateLoad()) {
            load->Run();
            load->Release();
        }
        ReadItems(*category, store);
    }
    if (!loadCancel && m_pResult)
        m_pResult();
}
