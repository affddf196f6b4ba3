#pragma once

#include <QString>

/// A photo or video found by the one-key photo scan (code 1024).
struct OneKeyMediaInfo
{
    qint64 m_nId = 0; // the library's 32-bit id, widened with sign
    QString m_strName;
    QString m_strPath;
    QString m_strThumbnailPath; // on this computer; may be empty
    qint32 m_nWidth = 0;
    qint32 m_nHeight = 0;
    qint32 m_nMediaKind = 0; // 0 photo, 1 video
    qint32 m_nReserved = 0;
    quint8 m_bFlag = 0;
    quint8 m_bChecked = 0; // chosen for export or delete
    quint64 m_nSize = 0;   // bytes
    qint64 m_nTime = 0;    // seconds since 1970-01-01 UTC
};
