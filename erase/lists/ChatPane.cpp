#include "ChatPane.h"

#include "ChatBubbleDelegate.h"
#include "EraseListView.h"

#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

ChatPane::ChatPane(const QString& title, QStyledItemDelegate* delegate, QWidget* parent)
    : QWidget(parent)
    , m_title(new QLabel(title, this))
    , m_to(new QLabel(this))
    , m_empty(new QLabel(tr("No messages"), this))
    , m_list(new QListView(this))
    , m_model(new ChatModel(this))
{
    setObjectName(QStringLiteral("chatPane"));
    m_title->setObjectName(QStringLiteral("chatTitle"));
    m_title->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_to->setObjectName(QStringLiteral("chatTo"));
    m_to->setTextFormat(Qt::PlainText);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setStyleSheet(QStringLiteral("color: rgb(169,169,169);"));
    m_list->setObjectName(QStringLiteral("chatBubbles"));
    m_list->setAccessibleName(title);
    m_list->setModel(m_model);
    if (!delegate)
        delegate = new ChatBubbleDelegate(m_list);
    delegate->setParent(m_list);
    m_list->setItemDelegate(delegate);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setResizeMode(QListView::Adjust);
    // Bubbles differ in height; batched layout measures only what is near the screen first.
    m_list->setLayoutMode(QListView::Batched);
    m_list->setBatchSize(50);
    m_list->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 4, 4);
    layout->addWidget(m_title);
    layout->addWidget(m_to);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_empty, 1);
    Clear();
}

void ChatPane::ShowConversation(const QString& to, int count, std::function<ChatLine(int)> line)
{
    m_to->setText(tr("To:") + QLatin1Char(' ') + EraseListView::LineText(to));
    m_model->SetConversation(count, std::move(line));
    m_list->setVisible(count > 0);
    m_empty->setVisible(count == 0);
}

void ChatPane::Clear()
{
    m_to->setText(tr("To:"));
    m_model->SetConversation(0, {});
    m_list->hide();
    m_empty->show();
}
