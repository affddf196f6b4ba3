#include "CProcessLoadBookMarkTask.h"

#include "CGlobalData.h"
#include "RecordConversions.h"
#include "ovdriver.h"

CProcessLoadBookMarkTask::CProcessLoadBookMarkTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result)
{ }

void CProcessLoadBookMarkTask::ClearLists(CGlobalData& store)
{
    store.m_obLBookMark.clear();
}

void CProcessLoadBookMarkTask::Read(IWholeEraseCategory& category, CGlobalData& store)
{
    store.m_obLBookMark.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return static_cast<const OvBookmarkItem*>(category.GetItem(i)); },
        [&](const OvBookmarkItem& item) {
            BookMarkInfo bookmark;
            bookmark.m_strTitle = LibraryText(item.title);
            bookmark.m_strUrl = LibraryText(item.url);
            bookmark.m_bDeleted = item.deleted ? 1 : 0;
            store.m_obLBookMark.append(bookmark);
        });
}
