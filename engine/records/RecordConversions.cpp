#include "RecordConversions.h"

#include "LibraryTimeFormatter.h"

#include <QTimeZone>

#include <charconv>
#include <cstdint>
#include <cstring>

const QString kMessageTimeFormat = QStringLiteral("MM/dd/yyyy HH:mm:ss");
const QString kCookieTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
const QString kCalendarTimeFormat = QStringLiteral("MM/dd/yyyy hh:mm");
const QString kPhotoDateFormat = QStringLiteral("yyyy-MM-dd");

QDateTime LibraryTimeToDateTime(qint64 seconds)
{
    // The system zone as an object converts several times faster than local time, which
    // asks the C library (and its time-zone file) on every call. One per thread: the
    // object is not thread-safe.
    thread_local const QTimeZone zone = QTimeZone::systemTimeZone();
    if (!zone.isValid())
        return QDateTime::fromSecsSinceEpoch(seconds).addYears(31);
    return QDateTime::fromSecsSinceEpoch(seconds, zone).addYears(31);
}

QString FormatLibraryTime(qint64 seconds, const QString& format)
{
    return SystemTimeFormatter().Format(seconds, format);
}

LibraryTimeFormatter& SystemTimeFormatter()
{
    // Its cache of the zone's offsets is not thread-safe: one per thread, like the zone above.
    thread_local LibraryTimeFormatter formatter(QTimeZone::systemTimeZone());
    return formatter;
}

qint64 TextTimeToSeconds(const char* text)
{
    if (!text)
        return 0;
    bool ok = false;
    const double value = QByteArray(text).trimmed().toDouble(&ok);
    // Out of range values would make the cast undefined.
    if (!ok || !(value > -9.2e18 && value < 9.2e18))
        return 0;
    return static_cast<qint64>(value);
}

QString FormatCallDuration(int seconds)
{
    if (seconds >= 0) {
        // By hand: this runs once per call of a call log of a hundred thousand.
        char text[24];
        char* out = text;
        for (const int part : { seconds / 3600, seconds % 3600 / 60, seconds % 60 }) {
            if (out != text)
                *out++ = ':';
            if (part < 10)
                *out++ = '0';
            out = std::to_chars(out, text + sizeof text, part).ptr;
        }
        return QString::fromLatin1(text, static_cast<int>(out - text));
    }
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds % 3600 / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString LibraryText(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

QString LibraryWideText(const wchar_t* text)
{
    return text ? QString::fromStdWString(text) : QString();
}

QString FieldText(const char* buffer, std::size_t capacity)
{
    if (!buffer)
        return {};
    const void* end = std::memchr(buffer, '\0', capacity);
    const std::size_t length = end ? static_cast<std::size_t>(static_cast<const char*>(end) - buffer) : capacity;
    return QString::fromUtf8(buffer, static_cast<int>(length));
}

qint64 ItemHandle(const void* item)
{
    return static_cast<qint64>(reinterpret_cast<std::intptr_t>(item));
}
