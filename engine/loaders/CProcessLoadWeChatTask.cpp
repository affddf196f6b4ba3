#include "CProcessLoadWeChatTask.h"

#include "CGlobalData.h"
#include "RecordConversions.h"
#include "ovdriver.h"

#include <QHash>

CProcessLoadWeChatTask::CProcessLoadWeChatTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result)
{ }

void CProcessLoadWeChatTask::ClearLists(CGlobalData& store)
{
    store.m_obLWeChat.clear();
    store.m_obLWeChatAccount.clear();
}

void CProcessLoadWeChatTask::Read(IWeChatCategory& category, CGlobalData& store)
{
    QHash<const IWeChatAccount*, int> accountIndex;
    for (int a = 0; a < category.GetAccountCount(); ++a) {
        IWeChatAccount* account = category.GetAccount(a);
        if (!account)
            continue;
        WeChatAccountInfo info;
        info.m_pAccount = account;
        info.m_nIndex = store.m_obLWeChatAccount.size();
        info.m_strName = LibraryText(account->GetAccountName());
        info.m_nMessageCount = account->GetMessageCount();
        accountIndex.insert(account, info.m_nIndex);
        store.m_obLWeChatAccount.append(info);
    }
    store.m_obLWeChat.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return static_cast<const OvWeChatItem*>(category.GetItem(i)); },
        [&](const OvWeChatItem& item) {
            WeChatSMSInfo message;
            message.m_nHandle = ItemHandle(&item);
            message.m_nAccountIndex = accountIndex.value(item.account, -1);
            message.m_nIsFromMe = item.isFromMe;
            message.m_nMessageType = item.messageType;
            message.m_bDeleted = item.deleted ? 1 : 0;
            message.m_nTime = item.time;
            message.m_strAccountName = LibraryText(item.accountName);
            message.m_strTalker = LibraryText(item.talker);
            message.m_strContent = LibraryText(item.text);
            message.m_nAccount = ItemHandle(item.account);
            message.m_strTime = FormatLibraryTime(item.time, kCookieTimeFormat);
            store.m_obLWeChat.append(message);
        });
}
