#pragma once

#include <QTableView>

/// A table whose rows are chosen by the check boxes of one column. Assistive technology
/// ticks a cell through its selection (the "toggle" action of a table cell selects it), so
/// here the selection of the check column is the check state: a selection asked for from
/// outside becomes a tick, and every tick shows as the selection. The mouse and the
/// keyboard tick through the model and never select anything.
class CheckableTableView : public QTableView
{
    Q_OBJECT

public:
    explicit CheckableTableView(int checkColumn, QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    class TickingSelection;

    void SyncSelection();
    void SyncSelectionSoon();
    void SyncRows(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles);
    /// A selection someone else asked for, as ticks.
    void Tick(const QItemSelection& cells, QItemSelectionModel::SelectionFlags command);

    int m_checkColumn;
    bool m_syncing = false;
    bool m_syncQueued = false;
    QList<QMetaObject::Connection> m_modelConnections;
};
