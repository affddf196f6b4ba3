#include "ScanCategory.h"

#include "CGlobalData.h"

#include <algorithm>

namespace {

// clang-format off
const ScanCategory kCategories[ScanCategory::Count] = {
    { ScanCategory::Message, QT_TRANSLATE_NOOP("OvScanResultView", "Message"), "erase_scan_message.png", "Message", "Message", { 1, 1 } },
    { ScanCategory::Contact, QT_TRANSLATE_NOOP("OvScanResultView", "Contact"), "erase_scan_contact.png", "Contact", "Contact", { 2, 0 } },
    { ScanCategory::Calendar, QT_TRANSLATE_NOOP("OvScanResultView", "Calendar,\nReminder"), "erase_scan_calendar.png", "Calendar", "Calendar&Reminder", { 3, 0 } },
    { ScanCategory::CallHistory, QT_TRANSLATE_NOOP("OvScanResultView", "Call History"), "erase_scan_call_history.png", "Call History", "Call History", { 4, 2 } },
    { ScanCategory::Note, QT_TRANSLATE_NOOP("OvScanResultView", "Note"), "erase_scan_note.png", "Note", "Note", { 5, 7 } },
    { ScanCategory::SafariHistory, QT_TRANSLATE_NOOP("OvScanResultView", "Safari History"), "erase_scan_safari.png", "Safari History", "SafariHistory", { 6, 5 } },
    { ScanCategory::Bookmark, QT_TRANSLATE_NOOP("OvScanResultView", "Bookmark"), "erase_scan_bookmark.png", "Bookmark", "Bookmark", { 7, 0 } },
    { ScanCategory::Photo, QT_TRANSLATE_NOOP("OvScanResultView", "Photos &\nVideos"), "erase_scan_photo.png", "Photos & Videos", "Photo&Videos", { 8, 6 } },
    { ScanCategory::VoiceMemo, QT_TRANSLATE_NOOP("OvScanResultView", "Voice Memo"), "erase_scan_voice.png", "Voice Memo", "Voice", { 9, 0 } },
    { ScanCategory::WeChat, QT_TRANSLATE_NOOP("OvScanResultView", "WeChat"), "erase_scan_wechat.png", "WeChat", "WeChat", { 10, 15 } },
    { ScanCategory::SafariCookie, QT_TRANSLATE_NOOP("OvScanResultView", "Safari Cookie"), "erase_scan_safari.png", "Safari Cookie", "SafariCookie", { 0, 3 } },
    { ScanCategory::SafariCache, QT_TRANSLATE_NOOP("OvScanResultView", "Safari Cache"), "erase_scan_safari.png", "Safari Cache", "SafariCache", { 0, 4 } },
    { ScanCategory::MsgAttachment, QT_TRANSLATE_NOOP("OvScanResultView", "Message \nAttachment"), "erase_scan_message.png", "SMS Attachment", "MsgAttach", { 0, 8 } },
    { ScanCategory::NoteAttachment, QT_TRANSLATE_NOOP("OvScanResultView", "Note \nAttachment"), "erase_scan_note.png", "Memo Attachment", "NoteAttach", { 0, 9 } },
    { ScanCategory::WhatsApp, QT_TRANSLATE_NOOP("OvScanResultView", "WhatsApp"), "erase_scan_whatsapp.png", "WhatsApp", "WhatsApp", { 0, 10 } },
    { ScanCategory::WhatsAppAttachment, QT_TRANSLATE_NOOP("OvScanResultView", "WhatsApp\nAttachments"), "erase_scan_whatsapp.png", "WhatsApp Attachments", "WhatsAppAttach", { 0, 11 } },
    { ScanCategory::Viber, QT_TRANSLATE_NOOP("OvScanResultView", "Viber"), "erase_scan_viber.png", "Viber", "Viber", { 0, 12 } },
    { ScanCategory::Kik, QT_TRANSLATE_NOOP("OvScanResultView", "Kik"), "erase_scan_kik.png", "Kik", "Kik", { 0, 13 } },
    { ScanCategory::KikAttachment, QT_TRANSLATE_NOOP("OvScanResultView", "Kik \nAttachment"), "erase_scan_kik.png", "MKik Attachment", "KikAttachment", { 0, 14 } },
};
// clang-format on

/// Calls `use` with the record list of `id` (the conversations for messages).
template<class Use> auto WithList(ScanCategory::Id id, CGlobalData& store, Use use)
{
    switch (id) {
    case ScanCategory::Message:
        return use(store.m_obLSMSSession);
    case ScanCategory::Contact:
        return use(store.m_obLContact);
    case ScanCategory::Calendar:
        return use(store.m_obLCalendar);
    case ScanCategory::CallHistory:
        return use(store.m_obLCallLogSession);
    case ScanCategory::Note:
        return use(store.m_obLNote);
    case ScanCategory::SafariHistory:
        return use(store.m_obLSafariHistory);
    case ScanCategory::Bookmark:
        return use(store.m_obLBookMark);
    case ScanCategory::Photo:
        return use(store.m_obLPhotoAndVideo);
    case ScanCategory::VoiceMemo:
        return use(store.m_obLVoiceMemo);
    case ScanCategory::WeChat:
        return use(store.m_obLWeChat);
    case ScanCategory::SafariCookie:
        return use(store.m_obLSafariCookie);
    case ScanCategory::SafariCache:
        return use(store.m_obLSafariCache);
    case ScanCategory::MsgAttachment:
        return use(store.m_obLSMSAttachment);
    case ScanCategory::NoteAttachment:
        return use(store.m_obLNoteAttachment);
    case ScanCategory::WhatsApp:
        return use(store.m_obLWhatsApp);
    case ScanCategory::WhatsAppAttachment:
        return use(store.m_obLWhatsAppAttachment);
    case ScanCategory::Viber:
        return use(store.m_obLViber);
    case ScanCategory::Kik:
        return use(store.m_obLKik);
    case ScanCategory::KikAttachment:
    default:
        return use(store.m_obLKikAttachment);
    }
}

template<class Record> bool InAccount(const Record&, int)
{
    return true;
}
bool InAccount(const WeChatSMSInfo& message, int account)
{
    return account < 0 || message.m_nAccountIndex == account;
}

/// Keeps the messages of a conversation whose deleted state matches the mode. A message of
/// a deleted conversation is deleted whatever its own flag says.
void FilterConversations(QVector<SMSSessionInfo>& sessions, int mode)
{
    const quint8 wanted = mode == 0 ? 1 : 0;
    auto out = sessions.begin();
    for (auto it = sessions.begin(); it != sessions.end(); ++it) {
        SMSSessionInfo& session = *it;
        const bool hadMessages = !session.m_obLMessages.isEmpty();
        auto& messages = session.m_obLMessages;
        const quint8 sessionDeleted = session.m_bDeleted;
        messages.erase(std::remove_if(messages.begin(), messages.end(),
                                      [&](const SMSInfo& sms) {
                                          const quint8 deleted = (sessionDeleted || sms.m_bDeleted) ? 1 : 0;
                                          return deleted != wanted;
                                      }),
                       messages.end());
        // An empty conversation stays only where its own state belongs.
        const bool keep = hadMessages ? !messages.isEmpty() : (sessionDeleted ? 1 : 0) == wanted;
        if (!keep)
            continue;
        session.m_bSelected = 0;
        if (out != it)
            *out = std::move(session);
        ++out;
    }
    sessions.erase(out, sessions.end());
}

} // namespace

const ScanCategory& ScanCategory::of(Id id)
{
    return kCategories[id >= 0 && id < Count ? id : 0];
}

QVector<ScanCategory::Id> ScanCategory::Ordered(int mode)
{
    const int column = mode == 0 ? 0 : 1;
    QVector<Id> ids;
    for (const ScanCategory& category : kCategories) {
        if (category.order[column] > 0)
            ids.append(category.id);
    }
    std::sort(ids.begin(), ids.end(),
              [column](Id a, Id b) { return kCategories[a].order[column] < kCategories[b].order[column]; });
    return ids;
}

bool ScanCategory::Shown(Id id, int mode)
{
    return id >= 0 && id < Count && kCategories[id].order[mode == 0 ? 0 : 1] > 0;
}

ScanCategory::Id ScanCategory::ByEraseKey(const QString& key)
{
    for (const ScanCategory& category : kCategories) {
        if (key == QLatin1String(category.eraseKey))
            return category.id;
    }
    return Count;
}

QString ScanCategory::NoDataIcon(const QString& icon)
{
    const int dot = icon.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return icon + QLatin1String("_no_data");
    return icon.left(dot) + QLatin1String("_no_data") + icon.mid(dot);
}

QVector<ScanCategory::Load> ScanCategory::Loads(int feature)
{
    if (feature == 2)
        return { LoadSMS,      LoadCalendar, LoadCallLog, LoadNote,  LoadSafariHistory,
                 LoadBookmark, LoadPhoto,    LoadVoice,   LoadWeChat };
    if (feature == 3)
        return { LoadSMS,          LoadPhoto,       LoadNote,  LoadCallLog, LoadWhatsApp, LoadSafariHistory,
                 LoadSafariCookie, LoadSafariCache, LoadViber, LoadKik,     LoadWeChat };
    return {};
}

QVector<ScanCategory::Id> ScanCategory::CategoriesOf(Load load, int mode)
{
    QVector<Id> ids;
    switch (load) {
    case LoadSMS:
        ids = { Message, MsgAttachment };
        break;
    case LoadPhoto:
        ids = { Photo };
        break;
    case LoadNote:
        ids = { Note, NoteAttachment };
        break;
    case LoadCallLog:
        // The contacts come with the first load that names numbers (the messages) and are read
        // again by the call history's load to name its numbers: only once that load has ended
        // may the list be cut down to what the mode shows, or the call history would lose the
        // names of contacts that still exist and the two threads would share the list.
        ids = { CallHistory, Contact };
        break;
    case LoadWhatsApp:
        ids = { WhatsApp, WhatsAppAttachment };
        break;
    case LoadSafariHistory:
        ids = { SafariHistory };
        break;
    case LoadSafariCookie:
        ids = { SafariCookie };
        break;
    case LoadSafariCache:
        ids = { SafariCache };
        break;
    case LoadViber:
        ids = { Viber };
        break;
    case LoadKik:
        ids = { Kik, KikAttachment };
        break;
    case LoadWeChat:
        ids = { WeChat };
        break;
    case LoadCalendar:
        ids = { Calendar };
        break;
    case LoadBookmark:
        ids = { Bookmark };
        break;
    case LoadVoice:
        ids = { VoiceMemo };
        break;
    default:
        break;
    }
    ids.erase(std::remove_if(ids.begin(), ids.end(), [mode](Id id) { return !Shown(id, mode); }), ids.end());
    return ids;
}

const char* ScanCategory::LoadName(Load load)
{
    static const char* const names[LoadCount]
        = { "msg",   "photo", "note", "callhistory", "whatapps", "safarihistory", "cookie",
            "cache", "viber", "kik",  "wechat",      "calendar", "bookmark",      "voice" };
    return load >= 0 && load < LoadCount ? names[load] : "";
}

void ScanCategory::Filter(Id id, int mode, CGlobalData& store)
{
    if (id == Message) {
        FilterConversations(store.m_obLSMSSession, mode);
        return;
    }
    const quint8 wanted = mode == 0 ? 1 : 0;
    WithList(id, store, [wanted](auto& list) {
        list.erase(std::remove_if(list.begin(), list.end(),
                                  [wanted](const auto& record) { return (record.m_bDeleted ? 1 : 0) != wanted; }),
                   list.end());
        for (auto& record : list)
            record.m_bSelected = 0;
        return 0;
    });
}

int ScanCategory::RecordCount(Id id, const CGlobalData& store, int account)
{
    CGlobalData& data = const_cast<CGlobalData&>(store); // read only: WithList serves both
    if (id == Message) {
        int count = 0;
        for (const SMSSessionInfo& session : qAsConst(data.m_obLSMSSession))
            count += session.m_obLMessages.isEmpty() ? 1 : session.m_obLMessages.size();
        return count;
    }
    return WithList(id, data, [account](const auto& list) {
        if (account < 0)
            return int(list.size());
        return int(std::count_if(list.cbegin(), list.cend(),
                                 [account](const auto& record) { return InAccount(record, account); }));
    });
}

void ScanCategory::SetSelected(Id id, bool on, CGlobalData& store, int account)
{
    const quint8 value = on ? 1 : 0;
    WithList(id, store, [value, account](auto& list) {
        for (auto& record : list) {
            if (InAccount(record, account))
                record.m_bSelected = value;
        }
        return 0;
    });
}

Qt::CheckState ScanCategory::SelectionState(Id id, const CGlobalData& store, int account)
{
    CGlobalData& data = const_cast<CGlobalData&>(store);
    return WithList(id, data, [account](const auto& list) {
        int records = 0;
        int selected = 0;
        for (const auto& record : list) {
            if (!InAccount(record, account))
                continue;
            ++records;
            selected += record.m_bSelected ? 1 : 0;
        }
        if (selected == 0)
            return Qt::Unchecked;
        return selected == records ? Qt::Checked : Qt::PartiallyChecked;
    });
}
