#include "CProcessLoadSafariCacheTask.h"

#include "CGlobalData.h"
#include "RecordConversions.h"
#include "ovdriver.h"

CProcessLoadSafariCacheTask::CProcessLoadSafariCacheTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result)
{ }

void CProcessLoadSafariCacheTask::ClearLists(CGlobalData& store)
{
    store.m_obLSafariCache.clear();
}

void CProcessLoadSafariCacheTask::Read(ISafariCacheCategory& category, CGlobalData& store)
{
    store.m_obLSafariCache.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return static_cast<const OvSafariCacheItem*>(category.GetItem(i)); },
        [&](const OvSafariCacheItem& item) {
            SafariCacheInfo cache;
            cache.m_nHandle = ItemHandle(&item);
            cache.m_strUrl = LibraryWideText(item.url);
            cache.m_strFileName = LibraryWideText(item.fileName);
            cache.m_nSize = item.size;
            cache.m_strTime = FormatLibraryTime(item.time, kCookieTimeFormat);
            cache.m_bDeleted = item.deleted ? 1 : 0;
            store.m_obLSafariCache.append(cache);
        });
}
