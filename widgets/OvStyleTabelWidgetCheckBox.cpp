#include "OvStyleTabelWidgetCheckBox.h"

#include "OvStyleCheckBox.h"

#include <QHBoxLayout>

OvStyleTabelWidgetCheckBox::OvStyleTabelWidgetCheckBox(int row, int column, QWidget* parent)
    : QWidget(parent)
    , m_row(row)
    , m_column(column)
{
    setObjectName(QStringLiteral("tableCellCheckBox"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_checkBox = new OvStyleCheckBox(this);
    m_checkBox->setObjectName(QStringLiteral("tableCellCheck"));
    m_checkBox->setAccessibleName(tr("Select"));
    layout->addWidget(m_checkBox, 0, Qt::AlignCenter);
    connect(m_checkBox, &OvStyleCheckBox::clicked, this, [this] { emit clickedTable(m_row, m_column); });
}

void OvStyleTabelWidgetCheckBox::SetCell(int row, int column)
{
    m_row = row;
    m_column = column;
}

void OvStyleTabelWidgetCheckBox::SetChecked(bool checked)
{
    m_checkBox->setChecked(checked);
}

bool OvStyleTabelWidgetCheckBox::IsChecked() const
{
    return m_checkBox->isChecked();
}
