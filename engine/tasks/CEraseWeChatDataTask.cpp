#include "CEraseWeChatDataTask.h"

#include "CCtrlEraseWeChatDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseWeChatDataTask::CEraseWeChatDataTask(int mode, IWeChatAccount* account, const QList<quint32>& items,
                                           VoidResultFunc result)
    : CTask(BuildEraseProcess<IWeChatAccount>([account](IPrivateDataInterface*) { return account; },
                                              EraseRule::ByChatMode, mode, items, &IWeChatAccount::CreateEraseAll,
                                              &IWeChatAccount::CreateEraseSelected,
                                              [result] { return new CCtrlEraseWeChatDataCallback(result); }))
{ }
