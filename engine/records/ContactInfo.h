#pragma once

#include <QString>
#include <QStringList>

/// One entry of the contact list: filled by the contacts loader, read to put names to numbers.
struct ContactInfo
{
    QString m_strName;         // first name, then " " and the last name when there is one
    QStringList m_obLPhones;   // as stored on the device, not cleaned
    QString m_strOrganization; // the one more text
    quint8 m_bDeleted = 0;     // found among deleted data
    quint8 m_bSelected = 1;
};
