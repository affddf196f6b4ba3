#include "CProcessLoadWhatsAppTask.h"

#include "CGlobalData.h"
#include "RecordConversions.h"
#include "ovdriver.h"

CProcessLoadWhatsAppTask::CProcessLoadWhatsAppTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result)
{ }

void CProcessLoadWhatsAppTask::ClearLists(CGlobalData& store)
{
    store.m_obLWhatsApp.clear();
    store.m_obLWhatsAppAttachment.clear();
}

void CProcessLoadWhatsAppTask::Read(IWhatsAppCategory& category, CGlobalData& store)
{
    store.m_obLWhatsApp.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return static_cast<const OvWhatsAppItem*>(category.GetItem(i)); },
        [&](const OvWhatsAppItem& item) {
            WhatsAppInfo message;
            message.m_nHandle = ItemHandle(&item);
            message.m_strChatName = LibraryText(item.chatName);
            message.m_strNumber = LibraryText(item.number);
            message.m_strText = LibraryText(item.text);
            message.m_nTime = TextTimeToSeconds(item.time);
            message.m_strTime = FormatLibraryTime(message.m_nTime, kMessageTimeFormat);
            message.m_nIsFromMe = item.isFromMe;
            message.m_bDeleted = item.deleted ? 1 : 0;
            store.m_obLWhatsApp.append(message);
        });
    ForEachItem(
        category.GetAttachmentCount(), [&](int i) { return category.GetAttachment(i); },
        [&](const OvWhatsAppAttachmentItem& item) {
            store.m_obLWhatsAppAttachment.append(ToChatAttachment<WhatsAppAttachmentInfo>(item));
        });
}
