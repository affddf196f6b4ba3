#include "CProcessLoadSMSTask.h"

#include "CGlobalData.h"
#include "ContactNameIndex.h"
#include "LibraryTimeFormatter.h"
#include "RecordConversions.h"
#include "ovdriver.h"

#include <cstring>
#include <vector>

CProcessLoadSMSTask::CProcessLoadSMSTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result, true)
{ }

void CProcessLoadSMSTask::ClearLists(CGlobalData& store)
{
    store.m_obLSMSSession.clear();
    store.m_obLSMSAttachment.clear();
}

namespace {
CompactText Utf8Text(const char* text)
{
    return text ? CompactText::FromUtf8(text, static_cast<int>(std::strlen(text))) : CompactText();
}
} // namespace

void CProcessLoadSMSTask::Read(IMessagesCategory& category, CGlobalData& store)
{
    const std::shared_ptr<const ContactNameIndex> names = ContactNameIndex::Shared(store.m_obLContact);
    LibraryTimeFormatter& times = SystemTimeFormatter();
    // Each contact's name is kept once, shared by every conversation it alone names.
    std::vector<CompactText> contactNames(static_cast<std::size_t>(store.m_obLContact.size()));

    store.m_obLSMSSession.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return category.GetConversation(i); },
        [&](const OvConversation& conversation) {
            SMSSessionInfo session;
            session.m_nHandle = ItemHandle(&conversation);
            session.m_strNumbers = Utf8Text(conversation.participants);
            const QString numbers = LibraryText(conversation.participants);
            if (numbers.contains(QLatin1Char(','))) {
                session.m_strNames = names->LookupParticipants(numbers);
            } else {
                const int contact = names->ContactOf(numbers);
                if (contact < 0) {
                    session.m_strNames = session.m_strNumbers;
                } else {
                    CompactText& name = contactNames[static_cast<std::size_t>(contact)];
                    if (name.isEmpty())
                        name = store.m_obLContact.at(contact).m_strName;
                    session.m_strNames = name;
                }
            }
            session.m_bDeleted = conversation.deleted ? 1 : 0;
            session.m_obLMessages.reserve(conversation.messages ? conversation.messageCount : 0);
            for (int m = 0; conversation.messages && m < conversation.messageCount; ++m) {
                const OvMessage& message = conversation.messages[m];
                SMSInfo sms;
                // U+FFFC stands for an attachment: such a text is not shown.
                if (message.text && !std::strstr(message.text, "\xEF\xBF\xBC"))
                    sms.m_strText = Utf8Text(message.text);
                sms.m_nIsFromMe = message.isFromMe;
                WallClock clock;
                sms.m_strTime = times.FastWallClock(message.time, clock)
                    ? MessageTimeText::FromClock(clock)
                    : MessageTimeText(times.Format(message.time, kMessageTimeFormat));
                sms.m_nIsRead = message.isRead;
                sms.m_bDeleted = message.deleted ? 1 : 0;
                for (int a = 0; message.attachments && a < message.attachmentCount; ++a)
                    sms.m_obLAttachments.append(
                        { LibraryText(message.attachments[a].fileName), LibraryText(message.attachments[a].path) });
                session.m_strLastTime = sms.m_strTime;
                session.m_obLMessages.append(std::move(sms));
            }
            store.m_obLSMSSession.append(std::move(session));
        });

    ForEachItem(
        category.GetAttachmentCount(),
        [&](int i) { return static_cast<const OvMessageAttachment*>(category.GetItem(i)); },
        [&](const OvMessageAttachment& item) {
            store.m_obLSMSAttachment.append(ToAttachment<SMSAttachmentInfo>(item));
        });
}
