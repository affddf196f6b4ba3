#pragma once

#include <QString>

/// A file found by a one-key scan: junk (codes 32 to 512), temporary files (2),
/// compressible photos (2048) and large files (8). The path identifies the file.
struct OneKeyFileInfo
{
    QString m_strName;
    QString m_strPath;
    qint32 m_nId = 0;       // unique within its list; the views find rows by it
    qint32 m_nCode = 0;     // the one-key code that found it
    qint32 m_nFileKind = 0; // large files: 0 other, 1 video, 2 audio, 3 photo, 4 document, 5 archive
    qint32 m_nReserved = 0;
    quint8 m_bChecked = 0; // chosen for export or delete
    quint8 m_bDeleted = 0;
    quint8 m_bReserved = 0;
    quint64 m_nSize = 0;    // bytes
    qint64 m_nTime = 0;     // seconds since 1970-01-01 UTC
    QString m_strExtension; // from the name, without the dot
    qint32 m_nReserved2 = 0;
    QString m_strThumbnailPath; // on this computer; empty when there is none
    qint32 m_nReserved3 = 0;
    qint32 m_nReserved4 = 0;
};
