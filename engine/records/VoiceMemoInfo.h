#pragma once

#include <QString>

/// One voice memo (erased only as a whole category).
struct VoiceMemoInfo
{
    QString m_strTitle;
    QString m_strPath;
    qint64 m_nTime = 0;  // seconds from 2001-01-01
    int m_nDuration = 0; // seconds
    quint64 m_nSize = 0;
    quint8 m_bDeleted = 0;
    quint8 m_bSelected = 1;
};
