#pragma once

#include <QString>

/// The common part of a WeChat message record.
struct WeChatSMSBase
{
    virtual ~WeChatSMSBase() = default;

    qint64 m_nHandle = 0;       // the library item's address; its low 32 bits erase it
    qint32 m_nAccountIndex = 0; // index into CGlobalData::m_obLWeChatAccount
    qint32 m_nIsFromMe = 0;
    qint32 m_nMessageType = 0;
    quint8 m_bDeleted = 0;
    quint8 m_bSelected = 1;
    qint64 m_nTime = 0; // seconds from 2001-01-01
    QString m_strAccountName;
    QString m_strTalker;
    QString m_strContent;
    qint64 m_nAccount = 0; // the account interface's address
    QString m_strTime;     // "yyyy-MM-dd hh:mm:ss"
    QString m_strTalkerName;
    QString m_strMediaPath;
};
