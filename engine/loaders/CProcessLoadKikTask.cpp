#include "CProcessLoadKikTask.h"

#include "CGlobalData.h"
#include "RecordConversions.h"
#include "ovdriver.h"

CProcessLoadKikTask::CProcessLoadKikTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result)
{ }

void CProcessLoadKikTask::ClearLists(CGlobalData& store)
{
    store.m_obLKik.clear();
    store.m_obLKikAttachment.clear();
}

void CProcessLoadKikTask::Read(IChatCategory& category, CGlobalData& store)
{
    store.m_obLKik.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return static_cast<const OvKikItem*>(category.GetItem(i)); },
        [&](const OvKikItem& item) {
            KikInfo message;
            message.m_nHandle = ItemHandle(&item);
            message.m_strUserName = LibraryText(item.userName);
            message.m_strDisplayName = LibraryText(item.displayName);
            message.m_strText = LibraryText(item.text);
            message.m_nTime = TextTimeToSeconds(item.time);
            message.m_strTime = FormatLibraryTime(message.m_nTime, kMessageTimeFormat);
            message.m_nIsFromMe = item.isFromMe;
            message.m_bDeleted = item.deleted ? 1 : 0;
            store.m_obLKik.append(message);
        });
    ForEachItem(
        category.GetAttachmentCount(), [&](int i) { return category.GetAttachment(i); },
        [&](const OvKikAttachmentItem& item) {
            store.m_obLKikAttachment.append(ToChatAttachment<KikAttachmentInfo>(item));
        });
}
