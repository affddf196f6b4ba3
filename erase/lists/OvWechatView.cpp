#include "OvWechatView.h"

#include "CGlobalData.h"
#include "ChatPane.h"
#include "WeChatContentShow.h"

namespace {

QVector<WeChatSMSInfo>* Messages()
{
    return &CGlobalData::GetInstance()->m_obLWeChat;
}

QString TalkerName(const WeChatSMSInfo& message)
{
    for (const QString* name :
         { &message.m_strRemark, &message.m_strTalkerName, &message.m_strDisplayName, &message.m_strTalker }) {
        if (!name->trimmed().isEmpty())
            return *name;
    }
    return OvWechatView::tr("Unknown");
}

} // namespace

OvWechatView::OvWechatView(int mode, int account, QWidget* parent)
    : OvWechatView(mode, account,
                   std::make_shared<const QVector<QVector<int>>>(GroupIndexes<WeChatSMSInfo>(
                       *Messages(), [](const WeChatSMSInfo& m) { return m.m_strTalker; },
                       [account](const WeChatSMSInfo& m) { return account < 0 || m.m_nAccountIndex == account; })),
                   parent)
{ }

OvWechatView::OvWechatView(int mode, int account, Groups conversations, QWidget* parent)
    : EraseTableView(mode, tr("WeChat"), { tr("Name"), tr("Date") },
                     GroupsOf<WeChatSMSInfo>(Messages(), conversations,
                                             [](const QVector<int>& group, int column) {
                                                 const QVector<WeChatSMSInfo>& list = *Messages();
                                                 const int index = column == 0 ? group.first() : group.last();
                                                 if (index >= list.size())
                                                     return QString();
                                                 return column == 0 ? TalkerName(list.at(index))
                                                                    : list.at(index).m_strTime;
                                             }),
                     100, parent)
    , m_account(account)
    , m_conversations(conversations)
    , m_pane(new ChatPane(tr("WeChat"), new WeChatContentShow, this))
{
    setObjectName(QStringLiteral("WeChat_%1").arg(account));
    connect(this, &EraseListView::checkCheckSignal, this,
            [this](int check) { emit wechatCheckSignal(check, m_account); });
    SetDetailWidget(m_pane);
}

void OvWechatView::ShowDetail(int row)
{
    if (!m_pane)
        return;
    ShowGroup<WeChatSMSInfo>(m_pane, Messages(), m_conversations, row, TalkerName,
                             [](const WeChatSMSInfo& message, ChatLine& line) {
                                 line.text = message.m_strContent;
                                 line.time = message.m_strTime;
                                 line.fromMe = message.m_nIsFromMe != 0;
                                 line.kind = message.m_nMessageType;
                             });
}
