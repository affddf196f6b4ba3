#pragma once

#include "EraseListView.h"
#include "RecordTableModel.h"

#include <functional>

class ListCheckBox;
class QSplitter;
class QTableView;
class QTextBrowser;

/// A result list as a table: a box in the header for the whole list, a box per row, and
/// an optional pane beside it with the details of the current row. Used as it is for the
/// categories whose rows are plain records, and as the base of the richer views.
class EraseTableView : public EraseListView
{
    Q_OBJECT

public:
    /// `batch` rows are handed to the table at a time as it scrolls.
    EraseTableView(int mode, const QString& name, const QStringList& titles, RecordTableModel::Source source,
                   int batch = 200, QWidget* parent = nullptr);
    ~EraseTableView() override;

    /// Shows a pane beside the table with the HTML `detail` gives for the current row.
    void SetDetail(std::function<QString(int row)> detail);
    /// Puts `pane` beside the table instead (conversations show bubbles there).
    void SetDetailWidget(QWidget* pane);

    QTableView* Table() const { return m_table; }
    RecordTableModel* Model() const { return m_model; }
    ListCheckBox* HeaderBox() const { return m_headerBox; }
    /// The records' state: 0 none selected, 1 some, 2 all.
    int CheckState() const { return m_model->Overall(); }

public slots:
    void receiveLeftCheckBoxState(bool on) override;
    /// Hands the table the next batch once the user scrolls towards its end.
    void LoadData(int value);

protected:
    /// The current row became `row` (-1: none).
    virtual void ShowDetail(int row);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UserChanged();
    void PlaceHeaderBox();

    RecordTableModel* m_model;
    QTableView* m_table;
    ListCheckBox* m_headerBox;
    QSplitter* m_splitter;
    QTextBrowser* m_detailText = nullptr;
    std::function<QString(int)> m_detail;
    int m_lastScroll = 0;
    int m_rowsSeen = 0;
};
