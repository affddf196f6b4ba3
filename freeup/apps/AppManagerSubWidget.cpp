#include "AppManagerSubWidget.h"

AppManagerSubWidget::AppManagerSubWidget(QWidget* parent)
    : OvStyleCheckBox(parent)
{
    setObjectName(QStringLiteral("appManagerCheckBox"));
    setAccessibleName(tr("Select"));
    // Only clicks: states set by the view must not come back as a user's choice.
    connect(this, &QCheckBox::clicked, this, &AppManagerSubWidget::onCheckedState);
}

void AppManagerSubWidget::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}
