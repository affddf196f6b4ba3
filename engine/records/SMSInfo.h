#pragma once

#include <QPair>
#include <QString>
#include <QVector>

/// One message of a conversation (part of SMSSessionInfo).
struct SMSInfo
{
    QString m_strText; // empty when the text held an attachment placeholder
    int m_nIsFromMe = 0;
    QString m_strTime; // "MM/dd/yyyy HH:mm:ss"
    int m_nIsRead = 0;
    QVector<QPair<QString, QString>> m_obLAttachments; // file name, path
};
