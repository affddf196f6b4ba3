#pragma once

#include "OvStyleCheckBox.h"

/// The check box of a large-file table cell (and of the table's header), drawn with the
/// table image set. A user's click is reported with the cell it stands for; a click on a
/// partly checked box checks it, as people expect of a "select all" box.
class LargeFilesCleanCheckBox : public OvStyleCheckBox
{
    Q_OBJECT

public:
    explicit LargeFilesCleanCheckBox(QWidget* parent = nullptr);

    void SetCell(int row, int column);
    int Row() const { return m_row; }
    int Column() const { return m_column; }

signals:
    /// Part of the box's interface for a receiver by name; the table of large files paints
    /// its rows and listens to its model instead.
    void clickedTable(int mRow, int mColumn);

public slots:
    void clickedTableCheckBox(int state);

protected:
    void nextCheckState() override;

private:
    int m_row = -1;
    int m_column = 0;
};
