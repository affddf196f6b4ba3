#include "LargeFilesCleanCheckBox.h"

LargeFilesCleanCheckBox::LargeFilesCleanCheckBox(QWidget* parent)
    : OvStyleCheckBox(parent)
{
    setObjectName(QStringLiteral("largeFilesCheckBox"));
    setAccessibleName(tr("Select"));
    // Only the user's clicks count: the owner sets states itself without an echo.
    connect(this, &QCheckBox::clicked, this, [this] { clickedTableCheckBox(checkState()); });
}

void LargeFilesCleanCheckBox::SetCell(int row, int column)
{
    m_row = row;
    m_column = column;
}

void LargeFilesCleanCheckBox::clickedTableCheckBox(int state)
{
    Q_UNUSED(state)
    emit clickedTable(m_row, m_column);
}

void LargeFilesCleanCheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}
