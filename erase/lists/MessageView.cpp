#include "MessageView.h"

#include "CGlobalData.h"
#include "ChatPane.h"
#include "RecordSources.h"
#include "SkinImage.h"

#include <QListView>

namespace {

QString ConversationName(const SMSSessionInfo& session)
{
    QString name = QString(session.m_strNames);
    if (name.trimmed().isEmpty())
        name = QString(session.m_strNumbers);
    return name.trimmed().isEmpty() ? MessageView::tr("Unknown") : name;
}

QPixmap Avatar()
{
    const QPixmap avatar = SkinPixmap(QStringLiteral("avatar_def.png"));
    return SkinScaled(avatar, QSize(24, 24));
}

} // namespace

MessageView::MessageView(int mode, QWidget* parent)
    : EraseTableView(mode, tr("Message"), { tr("Name"), tr("Date") },
                     RecordsOf<SMSSessionInfo>(
                         &CGlobalData::GetInstance()->m_obLSMSSession,
                         [](const SMSSessionInfo& session, int column) {
                             return column == 0 ? ConversationName(session) : QString(session.m_strLastTime);
                         },
                         Avatar()),
                     50, parent)
    , m_pane(new ChatPane(tr("Text Message"), nullptr, this))
{
    m_pane->Bubbles()->setAccessibleName(tr("Text Messages"));
    SetDetailWidget(m_pane);
}

void MessageView::ShowDetail(int row)
{
    const QVector<SMSSessionInfo>& list = CGlobalData::GetInstance()->m_obLSMSSession;
    if (row < 0 || row >= list.size()) {
        m_pane->Clear();
        return;
    }
    const SMSSessionInfo& session = list.at(row);
    m_pane->ShowConversation(ConversationName(session), session.m_obLMessages.size(), [row](int i) {
        ChatLine line;
        const QVector<SMSSessionInfo>& sessions = CGlobalData::GetInstance()->m_obLSMSSession;
        if (row >= sessions.size() || i >= sessions.at(row).m_obLMessages.size())
            return line;
        const SMSInfo& message = sessions.at(row).m_obLMessages.at(i);
        line.text = message.m_strText;
        for (const auto& attachment : message.m_obLAttachments)
            line.text += (line.text.isEmpty() ? QString() : QStringLiteral("\n"))
                + QStringLiteral("[%1]").arg(attachment.first);
        line.time = message.m_strTime;
        line.fromMe = message.m_nIsFromMe != 0;
        return line;
    });
}
