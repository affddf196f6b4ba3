#include "DialogButton.h"

#include "AppStyle.h"

#include <QPushButton>

namespace {

const char* const kPrimaryStyle
    = "QPushButton { background: #2990ff; color: #ffffff; border: none; border-radius: 4px; padding: 0 12px; }"
      "QPushButton:hover { background: #4aa3ff; } QPushButton:pressed { background: #1b74d6; }";
const char* const kSecondaryStyle = "QPushButton { background: #ffffff; color: #2990ff; border: 1px solid #2990ff;"
                                    " border-radius: 4px; padding: 0 12px; }"
                                    "QPushButton:hover { background: #eef6ff; } QPushButton:pressed { background: "
                                    "#d9ebff; }";

} // namespace

QPushButton* MakeDialogButton(const QString& objectName, const QString& text, bool primary, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAccessibleName(text);
    button->setMinimumSize(96, 32);
    button->setCursor(Qt::PointingHandCursor);
    button->setFont(AppStyle::instance().font(8));
    button->setStyleSheet(QLatin1String(primary ? kPrimaryStyle : kSecondaryStyle));
    return button;
}
