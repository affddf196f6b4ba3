#pragma once

#include <QWidget>

class LargeFilesCleanCheckBox;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class OvStyleComboBox;

namespace LargeFilesTable {
class Model;
class Filter;
} // namespace LargeFilesTable

/// The large-file list (page 24 of the one-key model): a table of the device's large
/// files, narrowed by a minimum size and a format, whose checked rows are exported or
/// backed up and deleted. The checked flags live in CGlobalData's large-file list.
class LargeFilesCleanView : public QWidget
{
    Q_OBJECT

public:
    explicit LargeFilesCleanView(QWidget* parent = nullptr);
    ~LargeFilesCleanView() override;

    /// Reloads the table from the large-file list and starts the choice afresh: size
    /// field empty, format "All", nothing checked (the list's flags are cleared too).
    void Refresh();
    /// Rows that pass the filters.
    int VisibleRowCount() const;
    /// The format filter's items, "All" first.
    QStringList TypeFilterItems() const;
    /// Whether the file shown at visible row `row` passes and is checked.
    bool IsVisibleRowChecked(int row) const;
    /// The id of the file at visible row `row`, -1 when there is none.
    int VisibleRowId(int row) const;

    /// A file's size in MiB as the size filter compares it: rounded to 2 decimals.
    static double SizeInMiB(quint64 bytes);

signals:
    void onShowBackView(int);
    void onShowNextLargeFilesExportView(int);
    void onShowNextLargeFilesDeleteView(int);
    void onDeleteLargeFilesFinshed(quint64 size);

public slots:
    void headerClicked_Slot(bool checked);
    void showNextViewSlot();
    void slotExportOnly();
    void showBackViewSlot();
    void checkTitleCheckBox();
    void filterSizeSlot();
    /// Sets the current row (or the sending row box) to `state`. The rows tick through the
    /// table model now; this stays a slot of the view's interface, reachable by its name.
    void tableCheckABox(int state);
    void changeIsCheck(int row, int column);
    void slotComboBox(int index);

private slots:
    /// A delete run ended having freed `size`: the list has lost the deleted files.
    void UIAllCheckLargeFilesSC(quint64 size);

private:
    void BuildLayout();
    void Reload();
    void RebuildTypeFilter();
    void ApplyFilters();
    void PlaceHeaderCheckBox();
    void SetActionsEnabled(bool enabled);
    bool AnyChecked() const;
    /// Checked rows that the filters hide.
    int HiddenCheckedCount() const;
    void UncheckHiddenRows();
    bool eventFilter(QObject* watched, QEvent* event) override;

    LargeFilesTable::Model* m_model = nullptr;
    LargeFilesTable::Filter* m_filter = nullptr;
    QTableView* m_table = nullptr;
    LargeFilesCleanCheckBox* m_headerCheckBox = nullptr;
    QLineEdit* m_sizeEdit = nullptr;
    OvStyleComboBox* m_typeCombo = nullptr;
    QPushButton* m_backButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    int m_typeIndex = 0;
};
