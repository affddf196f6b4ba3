#pragma once

#include "CTask.h"
#include "ResultFunctions.h"

#include <QList>

class IWeChatAccount;

/// Erases one WeChat account's messages: all of them (mode 0) or the selected ones (mode 1).
class CEraseWeChatDataTask : public CTask
{
public:
    CEraseWeChatDataTask(int mode, IWeChatAccount* account, const QList<quint32>& items, VoidResultFunc result);
};
