#include "OvWhatsappView.h"

#include "CGlobalData.h"
#include "ChatPane.h"
#include "FormatSize.h"

namespace {

QVector<WhatsAppInfo>* Messages()
{
    return &CGlobalData::GetInstance()->m_obLWhatsApp;
}

QString ChatName(const WhatsAppInfo& message)
{
    if (!message.m_strChatName.trimmed().isEmpty())
        return message.m_strChatName;
    if (!message.m_strNumber.trimmed().isEmpty())
        return message.m_strNumber;
    return OvWhatsappView::tr("Unknown");
}

} // namespace

OvWhatsappView::OvWhatsappView(int mode, bool attachments, QWidget* parent)
    : OvWhatsappView(
        mode, attachments,
        std::make_shared<const QVector<QVector<int>>>(
            attachments ? QVector<QVector<int>>()
                        : GroupIndexes<WhatsAppInfo>(*Messages(), [](const WhatsAppInfo& m) { return ChatName(m); })),
        parent)
{ }

OvWhatsappView::OvWhatsappView(int mode, bool attachments, Groups conversations, QWidget* parent)
    : EraseTableView(mode, attachments ? tr("WhatsApp Attachments") : tr("WhatsApp"),
                     attachments ? QStringList { tr("Name"), tr("Date"), tr("Size") }
                                 : QStringList { tr("Name"), tr("Date") },
                     SourceFor(attachments, conversations), 100, parent)
    , m_conversations(conversations)
{
    if (attachments)
        return;
    m_pane = new ChatPane(tr("WhatsApp"), nullptr, this);
    SetDetailWidget(m_pane);
}

RecordTableModel::Source OvWhatsappView::SourceFor(bool attachments, const Groups& conversations)
{
    if (attachments) {
        return RecordsOf<WhatsAppAttachmentInfo>(
            &CGlobalData::GetInstance()->m_obLWhatsAppAttachment, [](const WhatsAppAttachmentInfo& file, int column) {
                switch (column) {
                case 0:
                    return file.m_strFileName.isEmpty() ? file.m_strPath : file.m_strFileName;
                case 1:
                    return file.m_strTime;
                default:
                    return FormatSize(file.m_nSize);
                }
            });
    }
    return GroupsOf<WhatsAppInfo>(Messages(), conversations, [](const QVector<int>& group, int column) {
        const QVector<WhatsAppInfo>& list = *Messages();
        const int index = column == 0 ? group.first() : group.last();
        if (index >= list.size())
            return QString();
        return column == 0 ? ChatName(list.at(index)) : list.at(index).m_strTime;
    });
}

void OvWhatsappView::ShowDetail(int row)
{
    if (!m_pane)
        return;
    ShowGroup<WhatsAppInfo>(m_pane, Messages(), m_conversations, row, ChatName,
                            [](const WhatsAppInfo& message, ChatLine& line) {
                                line.text = message.m_strText;
                                line.time = message.m_strTime;
                                line.fromMe = message.m_nIsFromMe != 0;
                            });
}
