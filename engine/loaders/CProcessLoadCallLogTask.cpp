#include "CProcessLoadCallLogTask.h"

#include "CGlobalData.h"
#include "ContactNameIndex.h"
#include "RecordConversions.h"
#include "ovdriver.h"

CProcessLoadCallLogTask::CProcessLoadCallLogTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result, true)
{ }

void CProcessLoadCallLogTask::ClearLists(CGlobalData& store)
{
    store.m_obLCallLogSession.clear();
}

void CProcessLoadCallLogTask::Read(ISimpleCategory& category, CGlobalData& store)
{
    const std::shared_ptr<const ContactNameIndex> names = ContactNameIndex::Shared(store.m_obLContact);
    store.m_obLCallLogSession.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return static_cast<const OvCallLogItem*>(category.GetItem(i)); },
        [&](const OvCallLogItem& item) {
            CallLogSessionInfo call;
            call.m_nHandle = ItemHandle(&item);
            call.m_strNumber = LibraryText(item.number);
            call.m_strName = names->Lookup(call.m_strNumber);
            call.m_strTime = FormatLibraryTime(item.time, kMessageTimeFormat);
            call.m_nTime = item.time;
            call.m_strDuration = FormatCallDuration(item.duration);
            call.m_nCallKind = item.callKind;
            call.m_bDeleted = item.deleted ? 1 : 0;
            store.m_obLCallLogSession.append(std::move(call));
        });
}
