#pragma once

#include <QWidget>

class OvStyleCheckBox;

/// The check box of a table cell, centred in it. It knows its cell and reports a click as
/// clickedTable(row, column), so one slot serves every row.
class OvStyleTabelWidgetCheckBox : public QWidget
{
    Q_OBJECT

public:
    explicit OvStyleTabelWidgetCheckBox(int row = 0, int column = 0, QWidget* parent = nullptr);

    void SetCell(int row, int column);
    int Row() const { return m_row; }
    int Column() const { return m_column; }
    void SetChecked(bool checked);
    bool IsChecked() const;
    OvStyleCheckBox* CheckBox() const { return m_checkBox; }

signals:
    void clickedTable(int, int);

private:
    int m_row;
    int m_column;
    OvStyleCheckBox* m_checkBox = nullptr;
};
