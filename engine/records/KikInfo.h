#pragma once

#include <QString>

/// One Kik message.
struct KikInfo
{
    qint64 m_nHandle = 0;
    QString m_strUserName;
    QString m_strDisplayName;
    QString m_strText;
    qint64 m_nTime = 0; // whole seconds from 2001-01-01
    QString m_strTime;  // "MM/dd/yyyy HH:mm:ss"
    int m_nIsFromMe = 0;
    quint8 m_bDeleted = 0;
    quint8 m_bSelected = 1;
};
