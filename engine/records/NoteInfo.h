#pragma once

#include <QString>

/// One note.
struct NoteInfo
{
    qint64 m_nHandle = 0;
    QString m_strTitle;
    QString m_strBody;
    QString m_strCreated;  // "MM/dd/yyyy HH:mm:ss"
    QString m_strModified; // "MM/dd/yyyy HH:mm:ss"
    quint8 m_bDeleted = 0;
    quint8 m_bSelected = 1;
};
