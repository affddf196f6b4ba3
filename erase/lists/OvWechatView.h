#pragma once

#include "EraseTableView.h"
#include "RecordSources.h"

class ChatPane;

/// One WeChat account's conversations (by the account's index in the store); the open one
/// is drawn by WeChatContentShow.
class OvWechatView : public EraseTableView
{
    Q_OBJECT

public:
    /// `account` below 0: the messages of every account.
    OvWechatView(int mode, int account, QWidget* parent = nullptr);

    int Account() const { return m_account; }
    ChatPane* Pane() const { return m_pane; }

signals:
    /// checkCheckSignal with the account's index, for the tree's account item.
    void wechatCheckSignal(int check, int indexID);

protected:
    void ShowDetail(int row) override;

private:
    OvWechatView(int mode, int account, Groups conversations, QWidget* parent);

    int m_account;
    Groups m_conversations;
    ChatPane* m_pane;
};
