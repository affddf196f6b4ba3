#pragma once

#include <QPair>
#include <QString>

class IWeChatAccount;

/// One WeChat account of the device, as the WeChat loader found it. The pair
/// (m_pAccount, m_nIndex) is the key under which CController::PostEraseWeChatDataTask
/// takes the account's selected messages.
struct WeChatAccountInfo
{
    IWeChatAccount* m_pAccount = nullptr;
    int m_nIndex = 0;
    QString m_strName;
    int m_nMessageCount = 0;
};

/// An account as the WeChat erase takes it: its interface and its index.
using WeChatAccountKey = QPair<IWeChatAccount*, int>;
