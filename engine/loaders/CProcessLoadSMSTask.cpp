#include "CProcessLoadSMSTask.h"

#include "CGlobalData.h"
#include "ContactNameIndex.h"
#include "RecordConversions.h"
#include "ovdriver.h"

CProcessLoadSMSTask::CProcessLoadSMSTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result, true)
{ }

void CProcessLoadSMSTask::ClearLists(CGlobalData& store)
{
    store.m_obLSMSSession.clear();
    store.m_obLSMSAttachment.clear();
}

void CProcessLoadSMSTask::Read(IMessagesCategory& category, CGlobalData& store)
{
    const ContactNameIndex names(store.m_obLContact);
    const QChar placeholder(0xFFFC);

    store.m_obLSMSSession.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return category.GetConversation(i); },
        [&](const OvConversation& conversation) {
            SMSSessionInfo session;
            session.m_nHandle = ItemHandle(&conversation);
            session.m_strNumbers = LibraryText(conversation.participants);
            session.m_strNames = names.LookupParticipants(session.m_strNumbers);
            session.m_bDeleted = conversation.deleted ? 1 : 0;
            for (int m = 0; conversation.messages && m < conversation.messageCount; ++m) {
                const OvMessage& message = conversation.messages[m];
                SMSInfo sms;
                sms.m_strText = LibraryText(message.text);
                if (sms.m_strText.contains(placeholder))
                    sms.m_strText.clear();
                sms.m_nIsFromMe = message.isFromMe;
                sms.m_strTime = FormatLibraryTime(message.time, kMessageTimeFormat);
                sms.m_nIsRead = message.isRead;
                for (int a = 0; message.attachments && a < message.attachmentCount; ++a)
                    sms.m_obLAttachments.append(
                        { LibraryText(message.attachments[a].fileName), LibraryText(message.attachments[a].path) });
                session.m_strLastTime = sms.m_strTime;
                session.m_obLMessages.append(sms);
            }
            store.m_obLSMSSession.append(session);
        });

    ForEachItem(
        category.GetAttachmentCount(),
        [&](int i) { return static_cast<const OvMessageAttachment*>(category.GetItem(i)); },
        [&](const OvMessageAttachment& item) {
            store.m_obLSMSAttachment.append(ToAttachment<SMSAttachmentInfo>(item));
        });
}
