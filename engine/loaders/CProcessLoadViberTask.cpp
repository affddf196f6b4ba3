#include "CProcessLoadViberTask.h"

#include "CGlobalData.h"
#include "RecordConversions.h"
#include "ovdriver.h"

CProcessLoadViberTask::CProcessLoadViberTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result)
{ }

void CProcessLoadViberTask::ClearLists(CGlobalData& store)
{
    store.m_obLViber.clear();
}

void CProcessLoadViberTask::Read(IChatCategory& category, CGlobalData& store)
{
    store.m_obLViber.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return static_cast<const OvViberItem*>(category.GetItem(i)); },
        [&](const OvViberItem& item) {
            ViberInfo message;
            message.m_nHandle = ItemHandle(&item);
            message.m_strNumber = LibraryText(item.number);
            message.m_strName = LibraryText(item.name);
            message.m_strText = LibraryText(item.text);
            message.m_nTime = TextTimeToSeconds(item.time);
            message.m_strTime = FormatLibraryTime(message.m_nTime, kMessageTimeFormat);
            message.m_nIsFromMe = item.isFromMe;
            message.m_bDeleted = item.deleted ? 1 : 0;
            store.m_obLViber.append(message);
        });
}
