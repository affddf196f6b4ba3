#pragma once

#include <QString>

/// One message attachment.
struct SMSAttachmentInfo
{
    qint64 m_nHandle = 0;
    QString m_strFileName;
    QString m_strPath;
    quint8 m_bSelected = 1;
    quint8 m_bDeleted = 0;
    quint64 m_nSize = 0;
};
