#pragma once

#include <QAccessibleWidget>

class QAbstractButton;

/// What assistive technology sees of a checkable button of the kit (a tab, a check box).
/// Qt's own interface toggles such a button without a click, so the owner, which listens
/// to clicked(), never hears of it: two tabs end up highlighted, a "select all" box selects
/// nothing. Here every action is a click, exactly as the mouse and the keyboard give.
class OvAccessibleButton : public QAccessibleWidget
{
public:
    explicit OvAccessibleButton(QAbstractButton* button);

    /// Makes every checkable button of the program use this interface. Idempotent.
    static void Install();

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QAbstractButton* button() const;
};
