#pragma once

#include <ovdriver.h>

#include <QJsonObject>

class StringPool;

/// Turns the records of a backup copy into the library's item structures; texts go to `pool`.
class ItemConverters
{
public:
    static OvMessageAttachment messageAttachment(const QJsonObject& record, StringPool& pool);
    static OvCallLogItem callLog(const QJsonObject& record, StringPool& pool);
    static OvNoteItem note(const QJsonObject& record, StringPool& pool);
    static OvNoteAttachmentItem noteAttachment(const QJsonObject& record, StringPool& pool);
    static OvCalendarItem calendar(const QJsonObject& record, StringPool& pool);
    static OvBookmarkItem bookmark(const QJsonObject& record, StringPool& pool);
    static OvVoiceMemoItem voiceMemo(const QJsonObject& record, StringPool& pool);
    static OvSafariHistoryItem safariHistory(const QJsonObject& record, StringPool& pool);
    static OvSafariCookieItem safariCookie(const QJsonObject& record, StringPool& pool);
    static OvSafariCacheItem safariCache(const QJsonObject& record, StringPool& pool);
    static OvPhotoVideoItem photoVideo(const QJsonObject& record, StringPool& pool);
    static OvWhatsAppItem whatsApp(const QJsonObject& record, StringPool& pool);
    static OvWhatsAppAttachmentItem whatsAppAttachment(const QJsonObject& record, StringPool& pool);
    static OvViberItem viber(const QJsonObject& record, StringPool& pool);
    static OvKikItem kik(const QJsonObject& record, StringPool& pool);
    static OvKikAttachmentItem kikAttachment(const QJsonObject& record, StringPool& pool);

    static std::int64_t integer(const QJsonObject& record, const char* key);
    static std::uint64_t size(const QJsonObject& record);
    /// Decimal time text; a number in the record is written as text too.
    static QString decimalTime(const QJsonObject& record, const char* key);
};
