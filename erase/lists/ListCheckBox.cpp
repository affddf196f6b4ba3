#include "ListCheckBox.h"

#include <QSignalBlocker>

ListCheckBox::ListCheckBox(const QString& text, QWidget* parent)
    : OvStyleCheckBox(text, parent)
{
    setTristate(true);
}

void ListCheckBox::ShowState(int state)
{
    const QSignalBlocker quiet(this);
    setCheckState(state >= 2 ? Qt::Checked : state == 1 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void ListCheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}
