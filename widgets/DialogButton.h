#pragma once

#include <QString>

class QPushButton;
class QWidget;

/// The push button of every dialog. Affirmative buttons are filled and the others
/// outlined, so the safe answer stands out from the one that acts.
QPushButton* MakeDialogButton(const QString& objectName, const QString& text, bool primary, QWidget* parent);
