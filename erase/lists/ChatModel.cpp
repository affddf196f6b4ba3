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
    m_cachedRow = -1;
    endResetModel();
}

const ChatLine& ChatModel::Line(int row) const
{
    if (row != m_cachedRow) {
        m_cached = m_line(row);
        m_cached.text = EraseListView::BlockText(m_cached.text, 4000);
        m_cachedRow = row;
    }
    return m_cached;
}

int ChatModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_loaded;
}

QVariant ChatModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_loaded || !m_line)
        return {};
    const ChatLine& line = Line(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return line.text;
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
