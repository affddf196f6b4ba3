#include "CCtrlLoadAppSizeCallback.h"

#include "CGlobalData.h"
#include "CancelFlags.h"
#include "OneKeyConversions.h"

#include <QtDebug>
#include <mutex>

CCtrlLoadAppSizeCallback::CCtrlLoadAppSizeCallback(const QStringList& names, VoidResultFunc result)
    : m_pResult(result)
    , m_obLNames(names)
{ }

int CCtrlLoadAppSizeCallback::OnStateChange(int notifyType, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                                            void* record)
{
    if (callbackCancel || IsFinished())
        return -1;
    CGlobalData* store = CGlobalData::GetInstance();
    if (notifyType == OV_NOTIFY_ITEM_FOUND) {
        if (!record)
            return 0;
        AppResultInfo app = ToAppResultInfo(*static_cast<const OvAppItem*>(record));
        // The app list names it in English.
        if (app.m_strName == QString::fromUtf8("\u5FAE\u4FE1"))
            app.m_strName = QStringLiteral("WeChat");
        if (m_obLNames.contains(app.m_strName)) {
            std::unique_lock<std::mutex> lock(store->OneKeyLock());
            store->m_mapAppDataSize.insert(app.m_strName, static_cast<qint64>(app.m_nDataSize));
            store->m_mapAppBundleId.insert(app.m_strName, app.m_strBundleId);
            qDebug("name:%s data size:%lld", qUtf8Printable(app.m_strName), static_cast<long long>(app.m_nDataSize));
        }
        return 0;
    }
    {
        std::unique_lock<std::mutex> lock(store->OneKeyLock());
        for (auto it = store->m_mapAppDataSize.constBegin(); it != store->m_mapAppDataSize.constEnd(); ++it)
            qDebug("*******name:%s data size:%lld", qUtf8Printable(it.key()), static_cast<long long>(it.value()));
    }
    m_pResult();
    Finish();
    return 0;
}
