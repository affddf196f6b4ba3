#include "CheckableTableModel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionViewItem>

CheckableTableModel::CheckableTableModel(int checkColumn, QObject* parent)
    : QAbstractTableModel(parent)
    , m_checkColumn(checkColumn)
{ }

void CheckableTableModel::SetLocked(bool locked)
{
    if (m_locked == locked)
        return;
    m_locked = locked;
    // The flags change with the lock: views and assistive technology must ask again.
    if (rowCount() > 0)
        emit dataChanged(index(0, m_checkColumn), index(rowCount() - 1, m_checkColumn));
}

void CheckableTableModel::SetChecked(int row, bool checked)
{
    if (row < 0 || row >= rowCount() || RowChecked(row) == checked)
        return;
    StoreChecked(row, checked);
    const QModelIndex cell = index(row, m_checkColumn);
    emit dataChanged(cell, cell, { Qt::CheckStateRole });
}

void CheckableTableModel::SetHeader(const QStringList& titles, int textColumn)
{
    m_titles = titles;
    m_textColumn = textColumn;
    emit headerDataChanged(Qt::Horizontal, 0, qMax(0, columnCount() - 1));
}

int CheckableTableModel::Alignment(int column) const
{
    return column == m_textColumn ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
}

QVariant CheckableTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::TextAlignmentRole)
        return Alignment(section);
    if (role == Qt::DisplayRole)
        return m_titles.value(section);
    return {};
}

QVariant CheckableTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return Alignment(index.column());
    if (role == Qt::CheckStateRole)
        return index.column() == m_checkColumn ? QVariant(RowChecked(index.row()) ? Qt::Checked : Qt::Unchecked)
                                               : QVariant();
    return CellData(index, role);
}

bool CheckableTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (m_locked || !index.isValid() || index.column() != m_checkColumn || role != Qt::CheckStateRole)
        return false;
    SetChecked(index.row(), value.toInt() != Qt::Unchecked);
    if (onUserCheck)
        onUserCheck(index.row());
    return true;
}

Qt::ItemFlags CheckableTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == m_checkColumn && !m_locked)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool CheckableTableModel::ToggleOnEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                        const QModelIndex& index)
{
    if (!(index.flags() & Qt::ItemIsUserCheckable))
        return false;
    bool toggle = false;
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        toggle = mouse->button() == Qt::LeftButton && option.rect.contains(mouse->pos());
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        toggle = key == Qt::Key_Space || key == Qt::Key_Select;
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        return true;
    }
    if (!toggle)
        return false;
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}
