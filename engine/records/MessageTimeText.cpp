#include "MessageTimeText.h"

#include "LibraryTimeFormatter.h"

#include <QByteArray>

namespace {
constexpr quint64 kPacked = quint64(1) << 63;
// Where each field's digits stand in "MM/dd/yyyy HH:mm:ss", and how many.
struct Field
{
    int at;
    int digits;
    int shift;
};
constexpr Field kFields[] = { { 6, 4, 42 }, { 0, 2, 35 }, { 3, 2, 28 }, { 11, 2, 21 }, { 14, 2, 14 }, { 17, 2, 7 } };
constexpr int kLength = 19;
const char kShape[] = "00/00/0000 00:00:00";

quint64 Pack(const int (&values)[6])
{
    quint64 digits = kPacked;
    for (int f = 0; f < 6; ++f)
        digits |= quint64(values[f]) << kFields[f].shift;
    return digits;
}
} // namespace

MessageTimeText::MessageTimeText(const QString& text)
{
    bool fits = text.size() == kLength;
    for (int i = 0; fits && i < kLength; ++i) {
        const QChar c = text.at(i);
        fits = kShape[i] == '0' ? c >= QLatin1Char('0') && c <= QLatin1Char('9') : c == QLatin1Char(kShape[i]);
    }
    if (!fits) {
        m_text = text;
        return;
    }
    int values[6];
    for (int f = 0; f < 6; ++f) {
        values[f] = 0;
        for (int d = 0; d < kFields[f].digits; ++d)
            values[f] = values[f] * 10 + text.at(kFields[f].at + d).digitValue();
    }
    m_digits = Pack(values);
}

MessageTimeText MessageTimeText::FromClock(const WallClock& clock)
{
    const int values[6] = { clock.year, clock.month, clock.day, clock.hour, clock.minute, clock.second };
    for (int f = 0; f < 6; ++f) {
        if (values[f] < 0 || values[f] >= (kFields[f].digits == 4 ? 10000 : 100))
            return MessageTimeText(QString::asprintf("%02d/%02d/%04d %02d:%02d:%02d", clock.month, clock.day,
                                                     clock.year, clock.hour, clock.minute, clock.second));
    }
    MessageTimeText text;
    text.m_digits = Pack(values);
    return text;
}

QString MessageTimeText::toString() const
{
    if (!(m_digits & kPacked))
        return m_text.toString();
    QString text(kLength, Qt::Uninitialized);
    QChar* out = text.data();
    for (int i = 0; i < kLength; ++i)
        out[i] = QLatin1Char(kShape[i]);
    for (const Field& field : kFields) {
        int value = static_cast<int>((m_digits >> field.shift) & (field.digits == 4 ? 0x3FFF : 0x7F));
        for (int d = field.digits - 1; d >= 0; --d, value /= 10)
            out[field.at + d] = QLatin1Char(static_cast<char>('0' + value % 10));
    }
    return text;
}

char* toString(const MessageTimeText& text)
{
    return qstrdup(('"' + text.toString().toUtf8() + '"').constData());
}
