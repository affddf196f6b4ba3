#pragma once

#include <QString>

/// One note attachment.
struct NoteAttachmentInfo
{
    qint64 m_nHandle = 0;
    QString m_strFileName;
    QString m_strPath;
    quint64 m_nSize = 0;
    quint8 m_bDeleted = 0;
    quint8 m_bSelected = 1;
};
