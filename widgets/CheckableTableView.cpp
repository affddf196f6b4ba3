#include "CheckableTableView.h"

#include <QItemSelectionModel>

namespace {

bool IsChecked(const QModelIndex& index)
{
    return index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

} // namespace

/// Selects only when the view mirrors the ticks; any other request is turned into ticks.
/// The model's own bookkeeping (rows going, a reset) never passes through select(), so it
/// never ticks anything.
class CheckableTableView::TickingSelection : public QItemSelectionModel
{
public:
    TickingSelection(QAbstractItemModel* model, CheckableTableView* view)
        : QItemSelectionModel(model, view)
        , m_view(view)
    { }

    using QItemSelectionModel::select;
    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override
    {
        if (m_view->m_syncing)
            QItemSelectionModel::select(selection, command);
        else
            m_view->Tick(selection, command);
    }

private:
    CheckableTableView* m_view;
};

CheckableTableView::CheckableTableView(int checkColumn, QWidget* parent)
    : QTableView(parent)
    , m_checkColumn(checkColumn)
{
    setSelectionMode(QAbstractItemView::MultiSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Arrows move between rows; Tab leaves the table, or a keyboard would be caught in it.
    setTabKeyNavigation(false);
}

void CheckableTableView::setModel(QAbstractItemModel* model)
{
    for (const QMetaObject::Connection& connection : qAsConst(m_modelConnections))
        disconnect(connection);
    m_modelConnections.clear();
    QTableView::setModel(model);
    if (!model)
        return;
    // The plain selection model the view just made gives way to ours.
    QItemSelectionModel* plain = selectionModel();
    setSelectionModel(new TickingSelection(model, this));
    delete plain;
    const auto later = [this] { SyncSelectionSoon(); };
    m_modelConnections << connect(model, &QAbstractItemModel::dataChanged, this, &CheckableTableView::SyncRows)
                       << connect(model, &QAbstractItemModel::modelReset, this, later)
                       << connect(model, &QAbstractItemModel::layoutChanged, this, later)
                       << connect(model, &QAbstractItemModel::rowsInserted, this, later)
                       << connect(model, &QAbstractItemModel::rowsRemoved, this, later);
    SyncSelection();
}

QItemSelectionModel::SelectionFlags CheckableTableView::selectionCommand(const QModelIndex&, const QEvent*) const
{
    return QItemSelectionModel::NoUpdate;
}

void CheckableTableView::SyncSelectionSoon()
{
    // After the change has settled: a proxy that filters is still rearranging its rows
    // while it reports them.
    if (m_syncQueued)
        return;
    m_syncQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_syncQueued = false;
            SyncSelection();
        },
        Qt::QueuedConnection);
}

void CheckableTableView::SyncSelection()
{
    QAbstractItemModel* source = model();
    if (!source || !selectionModel())
        return;
    QItemSelection checked;
    const int rows = source->rowCount();
    for (int row = 0; row < rows;) {
        if (!IsChecked(source->index(row, m_checkColumn))) {
            ++row;
            continue;
        }
        // One range per run of checked rows keeps a long list cheap.
        const int first = row;
        while (row + 1 < rows && IsChecked(source->index(row + 1, m_checkColumn)))
            ++row;
        checked.select(source->index(first, m_checkColumn), source->index(row, m_checkColumn));
        ++row;
    }
    m_syncing = true;
    selectionModel()->select(checked, QItemSelectionModel::ClearAndSelect);
    m_syncing = false;
}

void CheckableTableView::SyncRows(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles)
{
    if (!roles.isEmpty() && !roles.contains(Qt::CheckStateRole))
        return;
    if (topLeft.column() > m_checkColumn || bottomRight.column() < m_checkColumn)
        return;
    m_syncing = true;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const QModelIndex cell = model()->index(row, m_checkColumn);
        selectionModel()->select(cell, IsChecked(cell) ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
    }
    m_syncing = false;
}

void CheckableTableView::Tick(const QItemSelection& cells, QItemSelectionModel::SelectionFlags command)
{
    if (!(command & (QItemSelectionModel::Select | QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)))
        return;
    const QModelIndexList indexes = cells.indexes();
    for (const QModelIndex& cell : indexes) {
        if (cell.column() != m_checkColumn)
            continue;
        const bool wanted
            = (command & QItemSelectionModel::Toggle) ? !IsChecked(cell) : bool(command & QItemSelectionModel::Select);
        if (wanted != IsChecked(cell))
            model()->setData(cell, wanted ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    }
    // A refused tick (a locked row) must not stay selected.
    SyncSelection();
}
