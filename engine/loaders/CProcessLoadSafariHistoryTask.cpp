#include "CProcessLoadSafariHistoryTask.h"

#include "CGlobalData.h"
#include "RecordConversions.h"
#include "ovdriver.h"

CProcessLoadSafariHistoryTask::CProcessLoadSafariHistoryTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result)
{ }

void CProcessLoadSafariHistoryTask::ClearLists(CGlobalData& store)
{
    store.m_obLSafariHistory.clear();
}

void CProcessLoadSafariHistoryTask::Read(ISimpleCategory& category, CGlobalData& store)
{
    store.m_obLSafariHistory.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return static_cast<const OvSafariHistoryItem*>(category.GetItem(i)); },
        [&](const OvSafariHistoryItem& item) {
            SafariHistoryInfo history;
            history.m_nHandle = ItemHandle(&item);
            history.m_strTitle = LibraryText(item.title);
            history.m_strUrl = LibraryText(item.url);
            history.m_bDeleted = item.deleted ? 1 : 0;
            history.m_strTime = FormatLibraryTime(item.time, kMessageTimeFormat);
            history.m_nVisitCount = item.visitCount;
            store.m_obLSafariHistory.append(history);
        });
}
