#include "CProcessLoadCallendarTask.h"

#include "CGlobalData.h"
#include "RecordConversions.h"
#include "ovdriver.h"

CProcessLoadCallendarTask::CProcessLoadCallendarTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result)
{ }

void CProcessLoadCallendarTask::ClearLists(CGlobalData& store)
{
    store.m_obLCalendar.clear();
}

void CProcessLoadCallendarTask::Read(IWholeEraseCategory& category, CGlobalData& store)
{
    store.m_obLCalendar.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return static_cast<const OvCalendarItem*>(category.GetItem(i)); },
        [&](const OvCalendarItem& item) {
            CalendarInfo event;
            event.m_nHandle = ItemHandle(&item);
            event.m_strTitle = LibraryText(item.title);
            event.m_strLocation = LibraryText(item.location);
            event.m_strStart = FormatLibraryTime(item.start, kCalendarTimeFormat);
            event.m_strEnd = FormatLibraryTime(item.end, kCalendarTimeFormat);
            event.m_bDeleted = item.deleted ? 1 : 0;
            store.m_obLCalendar.append(event);
        });
}
