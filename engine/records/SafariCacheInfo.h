#pragma once

#include <QString>

/// One Safari cache entry (the library gives wide texts).
struct SafariCacheInfo
{
    qint64 m_nHandle = 0;
    QString m_strUrl;
    QString m_strFileName;
    quint64 m_nSize = 0;
    QString m_strTime; // "yyyy-MM-dd hh:mm:ss"
    quint8 m_bDeleted = 0;
    quint8 m_bSelected = 1;
};
