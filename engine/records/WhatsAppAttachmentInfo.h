#pragma once

#include <QString>

/// One WhatsApp attachment.
struct WhatsAppAttachmentInfo
{
    qint64 m_nHandle = 0;
    QString m_strFileName;
    QString m_strPath;
    QString m_strTime; // "MM/dd/yyyy HH:mm:ss"
    quint64 m_nSize = 0;
    quint8 m_bDeleted = 0;
    quint8 m_bSelected = 1;
};
