#include "CCtrlOneKeyScanCallback.h"

#include "CGlobalData.h"
#include "CancelFlags.h"
#include "OneKeyConversions.h"
#include "ovdriver.h"
#include <mutex>

CCtrlOneKeyScanCallback::CCtrlOneKeyScanCallback(IntIntResultFunc result, int type)
    : m_pResult(result)
    , m_nType(type)
{ }

int CCtrlOneKeyScanCallback::OnStateChange(int notifyType, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                                           void* record)
{
    if (callbackCancel || IsFinished())
        return -1;
    CGlobalData* store = CGlobalData::GetInstance();
    std::unique_lock<std::mutex> lock(store->OneKeyLock());
    QVector<OneKeyFileInfo>* files = store->OneKeyFileList(m_nType);

    if (notifyType == OV_NOTIFY_ITEM_FOUND) {
        if (!record)
            return 0;
        if (files)
            files->append(ToOneKeyFileInfo(*static_cast<const OvOneKeyFileItem*>(record), files->size()));
        else if (m_nType == OV_ONEKEY_PHOTOS)
            store->m_obLPhotos.append(ToOneKeyMediaInfo(*static_cast<const OvOneKeyMediaItem*>(record)));
        else if (m_nType == OV_ONEKEY_APPS)
            store->m_obLApps.append(ToAppResultInfo(*static_cast<const OvAppItem*>(record)));
        return 0;
    }

    const int count = files           ? files->size()
        : m_nType == OV_ONEKEY_PHOTOS ? store->m_obLPhotos.size()
        : m_nType == OV_ONEKEY_APPS   ? store->m_obLApps.size()
                                      : 0;
    lock.unlock();
    m_pResult(m_nType, count);
    Finish();
    return 0;
}
