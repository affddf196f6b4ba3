#pragma once

#include <QString>
#include <QTimeZone>

#include <cstdint>
#include <vector>

/// A wall-clock date and time, as a text format shows it.
struct WallClock
{
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;   // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

/// Turns library times into texts exactly as Qt does (LibraryTimeToDateTime, then toString),
/// at a fraction of the cost: the zone's offset is cached per span between two of its
/// transitions and the digits are written by hand. Times before 1970, times within two days
/// of a transition (before or after the 31 years are added), and formats other than digits of
/// year, month, day, hour, minute and second are left to Qt. Not thread-safe: one per thread.
class LibraryTimeFormatter
{
public:
    explicit LibraryTimeFormatter(const QTimeZone& zone);

    QString Format(qint64 seconds, const QString& format);
    /// The wall clock Qt's conversion gives, when it is certain without asking Qt.
    bool FastWallClock(qint64 seconds, WallClock& clock);
    /// `clock` written in `format`, or false when the format has fields this does not write.
    static bool Write(const WallClock& clock, const QString& format, QString& text);

private:
    struct Span
    {
        qint64 from; // first second of the span (UTC)
        qint64 to;   // first second after it
        int offset;  // seconds ahead of UTC throughout
    };
    /// The span holding `utc`, from the cache or from the zone; null when the zone cannot tell.
    const Span* SpanAt(qint64 utc);

    QTimeZone m_zone;
    bool m_fixedOffset = false; // a zone without transitions or daylight time
    int m_offset = 0;
    std::vector<Span> m_spans; // sorted by `from`, never overlapping
};
