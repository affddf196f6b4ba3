#include "OvStyleCheckBox.h"

#include "AppStyle.h"
#include "OvAccessibleButton.h"
#include "StyleSheets.h"

OvStyleCheckBox::OvStyleCheckBox(QWidget* parent)
    : QCheckBox(parent)
{
    init();
}

OvStyleCheckBox::OvStyleCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent)
{
    init();
    setAccessibleName(text);
}

void OvStyleCheckBox::init()
{
    OvAccessibleButton::Install();
    setObjectName(QStringLiteral("styleCheckBox"));
    setCursor(Qt::PointingHandCursor);
    setFont(AppStyle::instance().font(8));
    SetImagePrefix(kTableCheckBoxImages);
    connect(this, &QCheckBox::clicked, this, &OvStyleCheckBox::slotClickedId);
}

void OvStyleCheckBox::SetImagePrefix(const QString& prefix)
{
    setStyleSheet(CheckBoxStyleSheet(prefix) + QStringLiteral("QCheckBox { spacing: 6px; color: rgb(88,88,88); }"));
}

void OvStyleCheckBox::slotClickedId(bool checked)
{
    emit clickedId(checked, m_id);
}
