#pragma once

#include <QString>

/// One photo or video. The list holding these is ordered by m_nSortKey, largest first.
struct PhotoVideoInfo
{
    qint64 m_nHandle = 0;
    QString m_strFileName; // never empty: items without a name are not loaded
    QString m_strPath;
    quint64 m_nSize = 0;
    quint8 m_bDeleted = 0;
    quint8 m_bSelected = 1;
    qint64 m_nTime = 0;      // seconds from 2001-01-01
    qint32 m_nSortKey = 0;   // the low 32 bits of m_nTime
    QString m_strDate;       // "yyyy-MM-dd"
    qint32 m_nMediaKind = 0; // 0 photo, 1 video
};
