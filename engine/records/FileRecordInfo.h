#pragma once

#include <QString>

/// A file found on the device; the store keeps a list of these that no loader fills.
struct FileRecordInfo
{
    qint64 m_nHandle = 0;
    QString m_strFileName;
    QString m_strPath;
    quint64 m_nSize = 0;
    quint8 m_bDeleted = 0;
    quint8 m_bSelected = 1;
};
