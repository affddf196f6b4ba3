#include "ItemConverters.h"

#include "StringPool.h"

#include <QFileInfo>

namespace {

const char* text(const QJsonObject& record, const char* key, StringPool& pool)
{
    return pool.add(record.value(key).toString());
}

int flag(const QJsonObject& record, const char* key)
{
    const QJsonValue value = record.value(key);
    return value.isBool() ? (value.toBool() ? 1 : 0) : value.toInt();
}

} // namespace

std::int64_t ItemConverters::integer(const QJsonObject& record, const char* key)
{
    return record.value(key).toVariant().toLongLong();
}

std::uint64_t ItemConverters::size(const QJsonObject& record)
{
    const double value = record.value("size").toDouble();
    return value > 0 ? static_cast<std::uint64_t>(value) : 0;
}

QString ItemConverters::decimalTime(const QJsonObject& record, const char* key)
{
    const QJsonValue value = record.value(key);
    return value.isString() ? value.toString() : QString::number(value.toDouble(), 'f', 2);
}

OvMessageAttachment ItemConverters::messageAttachment(const QJsonObject& record, StringPool& pool)
{
    return { text(record, "fileName", pool), text(record, "path", pool), size(record), flag(record, "deleted") };
}

OvCallLogItem ItemConverters::callLog(const QJsonObject& record, StringPool& pool)
{
    return { text(record, "number", pool), integer(record, "time"), record.value("duration").toInt(),
             record.value("kind").toInt(), flag(record, "deleted") };
}

OvNoteItem ItemConverters::note(const QJsonObject& record, StringPool& pool)
{
    return { text(record, "title", pool), text(record, "body", pool), integer(record, "created"),
             integer(record, "modified"), flag(record, "deleted") };
}

OvNoteAttachmentItem ItemConverters::noteAttachment(const QJsonObject& record, StringPool& pool)
{
    return { text(record, "fileName", pool), text(record, "path", pool), size(record), flag(record, "deleted") };
}

OvCalendarItem ItemConverters::calendar(const QJsonObject& record, StringPool& pool)
{
    return { text(record, "title", pool), text(record, "location", pool), integer(record, "start"),
             integer(record, "end"), flag(record, "deleted") };
}

OvBookmarkItem ItemConverters::bookmark(const QJsonObject& record, StringPool& pool)
{
    return { text(record, "title", pool), text(record, "url", pool), flag(record, "deleted") };
}

OvVoiceMemoItem ItemConverters::voiceMemo(const QJsonObject& record, StringPool& pool)
{
    return { text(record, "title", pool),
             text(record, "path", pool),
             integer(record, "time"),
             record.value("duration").toInt(),
             size(record),
             flag(record, "deleted") };
}

OvSafariHistoryItem ItemConverters::safariHistory(const QJsonObject& record, StringPool& pool)
{
    return { text(record, "title", pool), text(record, "url", pool), integer(record, "time"),
             record.value("visitCount").toInt(), flag(record, "deleted") };
}

OvSafariCookieItem ItemConverters::safariCookie(const QJsonObject& record, StringPool& pool)
{
    return { text(record, "domain", pool), text(record, "name", pool), text(record, "value", pool),
             text(record, "path", pool),   integer(record, "expires"), flag(record, "deleted") };
}

OvSafariCacheItem ItemConverters::safariCache(const QJsonObject& record, StringPool& pool)
{
    return { pool.addWide(record.value("url").toString()), pool.addWide(record.value("fileName").toString()),
             size(record), integer(record, "time"), flag(record, "deleted") };
}

OvPhotoVideoItem ItemConverters::photoVideo(const QJsonObject& record, StringPool& pool)
{
    const QString path = record.value("path").toString();
    return { pool.add(QFileInfo(path).fileName()),
             pool.add(path),
             size(record),
             integer(record, "time"),
             record.value("kind").toString() == "video" ? 1 : 0,
             flag(record, "deleted") };
}

OvWhatsAppItem ItemConverters::whatsApp(const QJsonObject& record, StringPool& pool)
{
    return { text(record, "chatName", pool),        text(record, "number", pool), text(record, "text", pool),
             pool.add(decimalTime(record, "time")), flag(record, "isFromMe"),     flag(record, "deleted") };
}

OvWhatsAppAttachmentItem ItemConverters::whatsAppAttachment(const QJsonObject& record, StringPool& pool)
{
    return { text(record, "fileName", pool), text(record, "path", pool), pool.add(decimalTime(record, "time")),
             size(record), flag(record, "deleted") };
}

OvViberItem ItemConverters::viber(const QJsonObject& record, StringPool& pool)
{
    return { text(record, "number", pool),          text(record, "name", pool), text(record, "text", pool),
             pool.add(decimalTime(record, "time")), flag(record, "isFromMe"),   flag(record, "deleted") };
}

OvKikItem ItemConverters::kik(const QJsonObject& record, StringPool& pool)
{
    return { text(record, "userName", pool),        text(record, "displayName", pool), text(record, "text", pool),
             pool.add(decimalTime(record, "time")), flag(record, "isFromMe"),          flag(record, "deleted") };
}

OvKikAttachmentItem ItemConverters::kikAttachment(const QJsonObject& record, StringPool& pool)
{
    return { text(record, "fileName", pool), text(record, "path", pool), pool.add(decimalTime(record, "time")),
             size(record), flag(record, "deleted") };
}
