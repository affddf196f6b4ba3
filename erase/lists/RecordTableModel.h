#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

/// Rows of one result list read straight from a CGlobalData list. A row may stand for one
/// record or for a group of them (a conversation); its box is the records' selected flags,
/// partly checked when they differ. Rows are handed to the views in batches as they
/// scroll, so a list of 100 000 records costs the views a screenful.
class RecordTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    /// How the model reaches its records. Every function is given a row below count().
    struct Source
    {
        std::function<int()> count;
        std::function<Qt::CheckState(int)> state;
        std::function<void(int, bool)> setSelected;
        /// Display, tool tip, decoration... of a cell; the check state is not asked here.
        std::function<QVariant(int row, int column, int role)> cell;
        /// The selected flag of every record behind the rows; by row when not given.
        std::function<void(bool)> setAll;
        /// 0 nothing selected, 1 some, 2 all; by row when not given.
        std::function<int()> overall;
    };

    RecordTableModel(const QStringList& titles, Source source, int batch, QObject* parent = nullptr);

    /// The rows were replaced (a reload of the list): starts again with one batch.
    void Reload();
    /// The flags changed underneath: the boxes of the rows handed out must be read again.
    void RefreshChecks();
    void SetAll(bool on);
    int Overall() const;
    /// Rows not yet handed to the views are counted too.
    int TotalRows() const { return m_source.count(); }
    const Source& source() const { return m_source; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

signals:
    /// The user ticked or cleared `row`.
    void userChecked(int row);

private:
    QStringList m_titles;
    Source m_source;
    int m_batch;
    int m_loaded = 0;
};
