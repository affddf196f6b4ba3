#pragma once

#include "CompactText.h"
#include "MessageTimeText.h"
#include "SMSInfo.h"

#include <QVector>

/// One message conversation. Its texts read as QStrings (see SMSInfo).
struct SMSSessionInfo
{
    qint64 m_nHandle = 0;     // the library item's address; its low 32 bits erase it
    CompactText m_strNumbers; // participants, separated by ","
    CompactText m_strNames;   // each participant's contact name, or the number when none
    QVector<SMSInfo> m_obLMessages;
    MessageTimeText m_strLastTime; // time text of the last message, for the list's date column
    quint8 m_bDeleted = 0;
    quint8 m_bSelected = 1;
};
