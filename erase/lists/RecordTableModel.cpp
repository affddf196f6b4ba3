#include "RecordTableModel.h"

#include "EraseListView.h"

RecordTableModel::RecordTableModel(const QStringList& titles, Source source, int batch, QObject* parent)
    : QAbstractTableModel(parent)
    , m_titles(titles)
    , m_source(std::move(source))
    , m_batch(qMax(1, batch))
{
    m_loaded = qMin(m_batch, m_source.count());
}

void RecordTableModel::Reload()
{
    beginResetModel();
    m_loaded = qMin(m_batch, m_source.count());
    endResetModel();
}

void RecordTableModel::RefreshChecks()
{
    if (m_loaded > 0)
        emit dataChanged(index(0, 0), index(m_loaded - 1, 0), { Qt::CheckStateRole });
}

void RecordTableModel::SetAll(bool on)
{
    if (m_source.setAll) {
        m_source.setAll(on);
    } else {
        const int count = m_source.count();
        for (int row = 0; row < count; ++row)
            m_source.setSelected(row, on);
    }
    RefreshChecks();
}

int RecordTableModel::Overall() const
{
    if (m_source.overall)
        return m_source.overall();
    const int count = m_source.count();
    int checked = 0;
    bool partly = false;
    for (int row = 0; row < count && !partly; ++row) {
        const Qt::CheckState state = m_source.state(row);
        partly = state == Qt::PartiallyChecked;
        checked += state == Qt::Checked ? 1 : 0;
    }
    return partly ? 1 : EraseListView::StateOf(checked, count);
}

int RecordTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_loaded;
}

int RecordTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_titles.size();
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const
{
    // The store may have shrunk under a view that has not been told yet.
    if (!index.isValid() || index.row() >= m_loaded || index.row() >= m_source.count())
        return {};
    if (role == Qt::CheckStateRole)
        return index.column() == 0 ? QVariant(m_source.state(index.row())) : QVariant();
    return m_source.cell(index.row(), index.column(), role);
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_titles.value(section);
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool RecordTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole || index.row() >= m_loaded
        || index.row() >= m_source.count())
        return false;
    m_source.setSelected(index.row(), value.toInt() != Qt::Unchecked);
    emit dataChanged(index, index, { Qt::CheckStateRole });
    emit userChecked(index.row());
    return true;
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool RecordTableModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && m_loaded < m_source.count();
}

void RecordTableModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    const int last = qMin(m_loaded + m_batch, m_source.count());
    beginInsertRows({}, m_loaded, last - 1);
    m_loaded = last;
    endInsertRows();
}
