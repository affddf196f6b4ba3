#pragma once

#include <QDateTime>
#include <QString>

#include <cstddef>

class LibraryTimeFormatter;

// How library values become the texts and numbers of the records.

/// Time formats by category.
extern const QString kMessageTimeFormat;  // messages, call log, notes, WhatsApp, Viber, Kik
extern const QString kCookieTimeFormat;   // Safari cookies and cache, WeChat
extern const QString kCalendarTimeFormat; // calendar
extern const QString kPhotoDateFormat;    // photos and videos

/// Seconds from 1970-01-01 to 2001-01-01, where library times start.
constexpr qint64 kSecondsFrom1970To2001 = 978307200;

/// A library time (seconds from 2001-01-01) as a date-time: the seconds are read as counted
/// from 1970-01-01 and 31 years are added.
QDateTime LibraryTimeToDateTime(qint64 seconds);
/// LibraryTimeToDateTime(seconds).toString(format), through SystemTimeFormatter().
QString FormatLibraryTime(qint64 seconds, const QString& format);
/// The calling thread's formatter of library times in the system zone.
LibraryTimeFormatter& SystemTimeFormatter();
/// A decimal time text ("599616000.25") as whole seconds; 0 for a null or bad text.
qint64 TextTimeToSeconds(const char* text);
/// A call duration as "hh:mm:ss", each part at least two digits (3725 gives "01:02:05").
QString FormatCallDuration(int seconds);

/// A narrow library text, UTF-8 as every text of the contract (null reads as empty).
QString LibraryText(const char* text);
/// A wide library text (null reads as empty).
QString LibraryWideText(const wchar_t* text);
/// A zero-terminated UTF-8 text in a fixed buffer, never read past `capacity`.
QString FieldText(const char* buffer, std::size_t capacity);
/// A record's handle: the library item's address as a signed 64-bit value.
qint64 ItemHandle(const void* item);

/// An attachment record (messages, notes) from its library item.
template<class Record, class Item> Record ToAttachment(const Item& item)
{
    Record record;
    record.m_nHandle = ItemHandle(&item);
    record.m_strFileName = LibraryText(item.fileName);
    record.m_strPath = LibraryText(item.path);
    record.m_nSize = item.size;
    record.m_bDeleted = item.deleted ? 1 : 0;
    return record;
}

/// A chat attachment record (WhatsApp, Kik) from its library item, whose time is decimal text.
template<class Record, class Item> Record ToChatAttachment(const Item& item)
{
    Record record = ToAttachment<Record>(item);
    record.m_strTime = FormatLibraryTime(TextTimeToSeconds(item.time), kMessageTimeFormat);
    return record;
}
