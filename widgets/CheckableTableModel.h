#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

class QEvent;
class QStyleOptionViewItem;

/// A table model whose rows carry a check box in one column. The box is the column's
/// Qt::CheckStateRole with Qt::ItemIsUserCheckable, so views, keyboards and assistive
/// technology all see and toggle the same state. Subclasses keep the rows and their
/// flags and give the other cells.
class CheckableTableModel : public QAbstractTableModel
{
public:
    explicit CheckableTableModel(int checkColumn, QObject* parent = nullptr);

    /// Called after the user checked or unchecked a row, with the row.
    std::function<void(int)> onUserCheck;

    /// While locked the boxes cannot be toggled (the choice is being acted on).
    void SetLocked(bool locked);
    bool IsLocked() const { return m_locked; }

    int CheckBoxColumn() const { return m_checkColumn; }
    /// Sets a row's flag and tells the views; does nothing past the end or when unchanged.
    void SetChecked(int row, bool checked);

    /// The header titles by column, and the one column whose text reads from the left (its
    /// cells and header); every other column is centred.
    void SetHeader(const QStringList& titles, int textColumn);

    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// What an item delegate's editorEvent does for the check column: a left click in the
    /// cell or Space toggles the box through setData; a double click is swallowed, its
    /// press and release having toggled already. False for anything else.
    static bool ToggleOnEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                              const QModelIndex& index);

protected:
    virtual bool RowChecked(int row) const = 0;
    virtual void StoreChecked(int row, bool checked) = 0;
    /// Every role of the other columns, and the check column's roles but the check state
    /// (text alignment comes from SetHeader).
    virtual QVariant CellData(const QModelIndex& index, int role) const = 0;

private:
    int Alignment(int column) const;

    int m_checkColumn;
    int m_textColumn = -1;
    QStringList m_titles;
    bool m_locked = false;
};
