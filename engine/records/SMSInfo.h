#pragma once

#include "CompactText.h"
#include "MessageTimeText.h"

#include <QPair>
#include <QString>
#include <QVector>

/// One message of a conversation (part of SMSSessionInfo). Its texts read as QStrings; they are
/// kept compact because a phone holds hundreds of thousands of messages.
struct SMSInfo
{
    CompactText m_strText;                             // empty when the text held an attachment placeholder
    MessageTimeText m_strTime;                         // "MM/dd/yyyy HH:mm:ss"
    QVector<QPair<QString, QString>> m_obLAttachments; // file name, path
    int m_nIsFromMe = 0;
    int m_nIsRead = 0;
    quint8 m_bDeleted = 0; // found among deleted data, though its conversation may be kept
};
