#include "OvAccessibleButton.h"

#include "OvTabButton.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>

namespace {

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    Q_UNUSED(className)
    // Radio buttons already act by clicking; plain buttons press through animateClick.
    auto* button = qobject_cast<QAbstractButton*>(object);
    if (!button || !button->isCheckable() || qobject_cast<QRadioButton*>(button))
        return nullptr;
    return new OvAccessibleButton(button);
}

QAccessible::Role RoleOf(QAbstractButton* button)
{
    if (qobject_cast<OvTabButton*>(button))
        return QAccessible::PageTab;
    if (qobject_cast<QCheckBox*>(button))
        return QAccessible::CheckBox;
    return QAccessible::Button;
}

} // namespace

OvAccessibleButton::OvAccessibleButton(QAbstractButton* button)
    : QAccessibleWidget(button, RoleOf(button))
{ }

void OvAccessibleButton::Install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(Factory);
}

QAbstractButton* OvAccessibleButton::button() const
{
    return static_cast<QAbstractButton*>(object());
}

QAccessible::State OvAccessibleButton::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    QAbstractButton* b = button();
    state.checkable = b->isCheckable();
    if (auto* box = qobject_cast<QCheckBox*>(b)) {
        state.checked = box->checkState() == Qt::Checked;
        state.checkStateMixed = box->checkState() == Qt::PartiallyChecked;
    } else {
        state.checked = b->isChecked();
    }
    if (role() == QAccessible::PageTab) {
        state.selectable = true;
        state.selected = b->isChecked();
    }
    if (b->isDown())
        state.pressed = true;
    return state;
}

QString OvAccessibleButton::text(QAccessible::Text t) const
{
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) {
        // The face text, without the shortcut marks.
        text = button()->text();
        text.replace(QLatin1String("&&"), QLatin1String("\x01"));
        text.remove(QLatin1Char('&'));
        text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        text = text.simplified();
    }
    return text;
}

QStringList OvAccessibleButton::actionNames() const
{
    QStringList names;
    if (button()->isEnabled()) {
        // A reader may press a tab or toggle it; both must switch the page.
        if (role() == QAccessible::PageTab)
            names << pressAction();
        names << toggleAction();
    }
    return names + QAccessibleWidget::actionNames();
}

void OvAccessibleButton::doAction(const QString& actionName)
{
    QAbstractButton* b = button();
    if ((actionName == pressAction() || actionName == toggleAction()) && b->isEnabled())
        b->click();
    else
        QAccessibleWidget::doAction(actionName);
}
