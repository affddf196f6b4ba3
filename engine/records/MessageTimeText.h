#pragma once

#include "CompactText.h"

#include <QString>

struct WallClock;

/// A message's time text, "MM/dd/yyyy HH:mm:ss": kept as the digits it shows, packed into a
/// number, and written out when read. A text of another shape (only Qt's own conversion
/// gives one, for times it alone can place) is kept as it is. Reads as a QString.
class MessageTimeText
{
public:
    MessageTimeText() = default;
    MessageTimeText(const QString& text); // NOLINT: stands where a QString stood
    static MessageTimeText FromClock(const WallClock& clock);

    bool isEmpty() const { return m_digits == 0 && m_text.isEmpty(); }
    QString toString() const;
    operator QString() const { return toString(); } // NOLINT: read as the QString it replaced

    friend bool operator==(const MessageTimeText& a, const MessageTimeText& b)
    {
        return a.m_digits == b.m_digits && a.m_text == b.m_text;
    }
    friend bool operator!=(const MessageTimeText& a, const MessageTimeText& b) { return !(a == b); }
    friend bool operator==(const MessageTimeText& a, const QString& b) { return a.toString() == b; }
    friend bool operator==(const QString& a, const MessageTimeText& b) { return a == b.toString(); }
    friend bool operator!=(const MessageTimeText& a, const QString& b) { return !(a == b); }
    friend bool operator!=(const QString& a, const MessageTimeText& b) { return !(a == b); }

private:
    // Bit 63 set: year (14 bits) and month, day, hour, minute, second (7 bits each, 0 to 99).
    quint64 m_digits = 0;
    CompactText m_text;
};

/// For QCOMPARE's messages when a comparison fails.
char* toString(const MessageTimeText& text);
