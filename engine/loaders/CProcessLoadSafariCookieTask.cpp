#include "CProcessLoadSafariCookieTask.h"

#include "CGlobalData.h"
#include "RecordConversions.h"
#include "ovdriver.h"

CProcessLoadSafariCookieTask::CProcessLoadSafariCookieTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result)
{ }

void CProcessLoadSafariCookieTask::ClearLists(CGlobalData& store)
{
    store.m_obLSafariCookie.clear();
}

void CProcessLoadSafariCookieTask::Read(ISafariCookieCategory& category, CGlobalData& store)
{
    store.m_obLSafariCookie.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return static_cast<const OvSafariCookieItem*>(category.GetItem(i)); },
        [&](const OvSafariCookieItem& item) {
            SafariCookieInfo cookie;
            cookie.m_nHandle = ItemHandle(&item);
            cookie.m_strDomain = LibraryText(item.domain);
            cookie.m_strName = LibraryText(item.name);
            cookie.m_strValue = LibraryText(item.value);
            cookie.m_strPath = LibraryText(item.path);
            cookie.m_strExpires = FormatLibraryTime(item.expires, kCookieTimeFormat);
            cookie.m_bDeleted = item.deleted ? 1 : 0;
            store.m_obLSafariCookie.append(cookie);
        });
}
