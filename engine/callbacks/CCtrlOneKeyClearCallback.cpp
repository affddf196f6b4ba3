#include "CCtrlOneKeyClearCallback.h"

#include "CGlobalData.h"
#include "CancelFlags.h"
#include "OneKeyConversions.h"
#include "ovdriver.h"
#include <mutex>

CCtrlOneKeyClearCallback::CCtrlOneKeyClearCallback(IntIntPointerResultFunc result, int type)
    : m_pResult(result)
    , m_nType(type)
{ }

int CCtrlOneKeyClearCallback::OnStateChange(int notifyType, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                                            void* record)
{
    if (callbackCancel || IsFinished())
        return -1;

    if (notifyType == OV_NOTIFY_ITEM_DONE || notifyType == OV_NOTIFY_ORIGINAL_BACKED_UP) {
        if ((m_nType & OV_ONEKEY_COMPRESS_PHOTOS) && notifyType == OV_NOTIFY_ITEM_DONE) {
            // A compressed photo is no longer a candidate for compression.
            auto* photo = static_cast<OneKeyFileInfo*>(CopyOneKeyClearRecord(m_nType, record));
            if (!photo)
                photo = new OneKeyFileInfo;
            CGlobalData* store = CGlobalData::GetInstance();
            {
                std::unique_lock<std::mutex> lock(store->OneKeyLock());
                QVector<OneKeyFileInfo>& candidates = store->m_obLCompressPhotos;
                for (int i = 0; i < candidates.size(); ++i) {
                    if (candidates.at(i).m_strPath == photo->m_strPath) {
                        candidates.remove(i);
                        break;
                    }
                }
            }
            m_pResult(m_nType, OV_NOTIFY_ITEM_DONE, photo);
        } else if (m_nType != OV_ONEKEY_TEMP_FILES) {
            m_pResult(m_nType, notifyType, CopyOneKeyClearRecord(m_nType, record));
        }
        return 0;
    }

    if (m_nType & OV_ONEKEY_APPS) {
        void* app = CopyOneKeyClearRecord(m_nType, record);
        m_pResult(m_nType, notifyType, app ? app : new AppResultInfo);
    } else {
        m_pResult(m_nType, kCleanFinished, nullptr);
    }
    Finish();
    return 0;
}
