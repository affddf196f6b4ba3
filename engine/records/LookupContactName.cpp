#include "LookupContactName.h"

QString CleanPhoneNumber(const QString& number)
{
    QString cleaned;
    cleaned.reserve(number.size());
    for (const QChar c : number) {
        if (c != QChar(0x00A0) && c != QLatin1Char(' ') && c != QLatin1Char('-'))
            cleaned.append(c);
    }
    return cleaned;
}

QString LookupContactName(const QString& number, const QVector<ContactInfo>& contacts)
{
    const QString cleaned = CleanPhoneNumber(number);
    for (const ContactInfo& contact : contacts) {
        for (const QString& phone : contact.m_obLPhones) {
            if (phone.isEmpty())
                continue;
            const bool matches = phone.size() >= cleaned.size() ? phone.contains(cleaned) : cleaned.contains(phone);
            if (matches)
                return contact.m_strName;
        }
    }
    return {};
}
