#pragma once

#include <QString>

/// One Safari cookie.
struct SafariCookieInfo
{
    qint64 m_nHandle = 0;
    QString m_strDomain;
    QString m_strName;
    QString m_strValue;
    QString m_strPath;
    QString m_strExpires; // "yyyy-MM-dd hh:mm:ss"
    quint8 m_bDeleted = 0;
    quint8 m_bSelected = 1;
};
