#pragma once

#include <QString>

/// One call-history entry.
struct CallLogSessionInfo
{
    qint64 m_nHandle = 0;
    QString m_strNumber;
    QString m_strName;                            // the number's contact name, empty when none matches
    QString m_strTime;                            // "MM/dd/yyyy HH:mm:ss"
    qint64 m_nTime = 0;                           // seconds from 2001-01-01, as the library gave it
    QString m_strDuration = QStringLiteral("0S"); // then "hh:mm:ss"
    qint32 m_nCallKind = 0;
    quint8 m_bDeleted = 0;
    quint8 m_bSelected = 1;
};
