#include "LibraryTimeFormatter.h"

#include "RecordConversions.h"

#include <algorithm>
#include <limits>

namespace {
constexpr qint64 kDay = 86400;
// Qt decides local times near a transition with heuristics of its own; two days keeps the fast
// path clear of them whatever the zone's offset (at most 14 hours either way).
constexpr qint64 kMargin = 2 * kDay;
constexpr int kYearsAdded = 31;
// Library times read as seconds from 1970, up to the end of the last year whose text still has
// four digits once 31 years are added.
constexpr qint64 kLastFastSecond = 7968 * 365 * kDay;

// Days from 1970-01-01 to a civil date and back (proleptic Gregorian; H. Hinnant's algorithms).
qint64 DaysFromCivil(qint64 y, int m, int d)
{
    y -= m <= 2;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(qint64 z, WallClock& clock)
{
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    clock.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    clock.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    clock.year = static_cast<int>(yoe + era * 400 + (clock.month <= 2));
}

/// `utc` lies at least the margin inside `span`, an open end counting as far away.
template<class Span> bool FarInside(const Span& span, qint64 utc)
{
    return (span.from == std::numeric_limits<qint64>::min() || utc - span.from >= kMargin)
        && (span.to == std::numeric_limits<qint64>::max() || span.to - utc > kMargin);
}

bool IsLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

void PutDigits(QChar*& out, int value, int digits)
{
    for (int i = digits - 1; i >= 0; --i, value /= 10)
        out[i] = QLatin1Char(static_cast<char>('0' + value % 10));
    out += digits;
}
} // namespace

LibraryTimeFormatter::LibraryTimeFormatter(const QTimeZone& zone)
    : m_zone(zone)
{
    if (m_zone.isValid() && !m_zone.hasTransitions() && !m_zone.hasDaylightTime()) {
        m_fixedOffset = true;
        m_offset = m_zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(0, Qt::UTC));
    }
}

const LibraryTimeFormatter::Span* LibraryTimeFormatter::SpanAt(qint64 utc)
{
    auto after = std::upper_bound(m_spans.begin(), m_spans.end(), utc,
                                  [](qint64 at, const Span& span) { return at < span.from; });
    if (after != m_spans.begin() && utc < std::prev(after)->to)
        return &*std::prev(after);
    if (!m_zone.isValid() || !m_zone.hasTransitions())
        return nullptr;

    const QDateTime at = QDateTime::fromSecsSinceEpoch(utc, Qt::UTC);
    const QTimeZone::OffsetData previous = m_zone.previousTransition(at.addSecs(1));
    const QTimeZone::OffsetData next = m_zone.nextTransition(at);
    Span span;
    span.from = previous.atUtc.isValid() ? previous.atUtc.toSecsSinceEpoch() : std::numeric_limits<qint64>::min();
    span.to = next.atUtc.isValid() ? next.atUtc.toSecsSinceEpoch() : std::numeric_limits<qint64>::max();
    span.offset = m_zone.offsetFromUtc(at);
    if (!(span.from <= utc && utc < span.to))
        return nullptr;
    // A zone queried at an arbitrary order of times would grow this without bound; the spans
    // of one load are few (two a year at most), so a full cache is simply started again.
    if (m_spans.size() >= 4096)
        m_spans.clear();
    after = std::upper_bound(m_spans.begin(), m_spans.end(), span.from,
                             [](qint64 from, const Span& s) { return from < s.from; });
    return &*m_spans.insert(after, span);
}

bool LibraryTimeFormatter::FastWallClock(qint64 seconds, WallClock& clock)
{
    if (seconds < 0 || seconds > kLastFastSecond)
        return false;
    int offset = m_offset;
    if (!m_fixedOffset) {
        const Span* source = SpanAt(seconds);
        if (!source || !FarInside(*source, seconds))
            return false;
        offset = source->offset;
    }
    const qint64 local = seconds + offset;
    if (local < 0)
        return false; // still 1969 on the zone's clock
    const qint64 days = local / kDay;
    const int time = static_cast<int>(local % kDay);
    CivilFromDays(days, clock);
    clock.year += kYearsAdded;
    if (clock.month == 2 && clock.day == 29 && !IsLeap(clock.year))
        clock.day = 28;
    clock.hour = time / 3600;
    clock.minute = time / 60 % 60;
    clock.second = time % 60;
    if (!m_fixedOffset) {
        // The same wall clock 31 years on must be far from a transition too, where it is
        // neither skipped nor repeated.
        const qint64 wall = DaysFromCivil(clock.year, clock.month, clock.day) * kDay + time;
        const Span* target = SpanAt(wall - offset);
        if (!target || !FarInside(*target, wall - offset))
            return false;
    }
    return true;
}

bool LibraryTimeFormatter::Write(const WallClock& clock, const QString& format, QString& text)
{
    text.resize(format.size());
    QChar* out = text.data();
    const QChar* f = format.constData();
    const QChar* const end = f + format.size();
    while (f < end) {
        const char16_t c = f->unicode();
        int run = 1;
        while (f + run < end && f[run] == *f)
            ++run;
        int value = -1;
        if (c == 'y' && run == 4)
            value = clock.year;
        else if (c == 'M' && run == 2)
            value = clock.month;
        else if (c == 'd' && run == 2)
            value = clock.day;
        else if ((c == 'H' || c == 'h') && run == 2)
            value = clock.hour; // "hh" is 24-hour as long as the format has no AM/PM
        else if (c == 'm' && run == 2)
            value = clock.minute;
        else if (c == 's' && run == 2)
            value = clock.second;
        if (value >= 0) {
            PutDigits(out, value, run);
        } else {
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'')
                return false;
            for (int i = 0; i < run; ++i)
                *out++ = *f;
        }
        f += run;
    }
    return true;
}

QString LibraryTimeFormatter::Format(qint64 seconds, const QString& format)
{
    WallClock clock;
    QString text;
    if (FastWallClock(seconds, clock) && Write(clock, format, text))
        return text;
    const QDateTime base
        = m_zone.isValid() ? QDateTime::fromSecsSinceEpoch(seconds, m_zone) : QDateTime::fromSecsSinceEpoch(seconds);
    return base.addYears(kYearsAdded).toString(format);
}
