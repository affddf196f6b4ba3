#include "ChatModel.h"

#include "EraseListView.h"

namespace {
constexpr int kBatch = 100;
}

ChatModel::ChatModel(QObject* parent)
    : QAbstractListModel(parent)
{ }

void ChatModel::SetConversation(int count, std::function<ChatLine(int)> line)
{
    beginResetModel();
    m_count = qMax(0, count);
    m_loaded = qMin(kBatch, m_count);
    m_line = std::move(line);
    endResetModel();
}

int ChatModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_loaded;
}

QVariant ChatModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_loaded || !m_line)
        return {};
    const ChatLine line = m_line(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return EraseListView::BlockText(line.text, 4000);
    case Qt::AccessibleTextRole:
        return QStringLiteral("%1, %2").arg(line.time, EraseListView::LineText(line.text, 500));
    case TimeRole:
        return line.time;
    case FromMeRole:
        return line.fromMe;
    case KindRole:
        return line.kind;
    default:
        return {};
    }
}

bool ChatModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && m_loaded < m_count;
}

void ChatModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    const int last = qMin(m_loaded + kBatch, m_count);
    beginInsertRows({}, m_loaded, last - 1);
    m_loaded = last;
    endInsertRows();
}
