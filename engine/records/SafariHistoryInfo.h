#pragma once

#include <QString>

/// One Safari history entry.
struct SafariHistoryInfo
{
    qint64 m_nHandle = 0;
    QString m_strTitle;
    QString m_strUrl;
    quint8 m_bSelected = 1;
    quint8 m_bDeleted = 0;
    QString m_strTime; // "MM/dd/yyyy HH:mm:ss"
    int m_nVisitCount = 0;
};
