#pragma once

#include "SMSInfo.h"

#include <QString>
#include <QVector>

/// One message conversation.
struct SMSSessionInfo
{
    qint64 m_nHandle = 0; // the library item's address; its low 32 bits erase it
    QString m_strNumbers; // participants, separated by ","
    QString m_strNames;   // each participant's contact name, or the number when none
    QVector<SMSInfo> m_obLMessages;
    QString m_strLastTime; // time text of the last message, for the list's date column
    quint8 m_bDeleted = 0;
    quint8 m_bSelected = 1;
};
