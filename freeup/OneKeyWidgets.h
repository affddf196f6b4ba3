#pragma once

#include <QString>

class QLabel;
class QMovie;
class QPushButton;
class QWidget;

// The buttons, labels and texts the pages of the feature share.

/// The enabled look of an action button: white text when enabled, grey when not.
void SetActionButtonEnabled(QPushButton* button, bool enabled);
/// A blue action button, disabled look included.
QPushButton* MakeActionButton(const QString& objectName, const QString& text, QWidget* parent);
/// A white outlined button ("Back", "Stop").
QPushButton* MakeSecondaryButton(const QString& objectName, const QString& text, QWidget* parent);

/// FormatSize with 2 decimals, its unit ("Byte", "KB", "MB", "GB") translated in the catalogue
/// of `context`, the class name of a page that prints sizes.
QString FormatSizeIn(const char* context, quint64 bytes);

/// `text`, escaped, as rich text in the colour of the pages' figures.
QString OrangeHtml(const QString& text);
/// A centred label that plays the skin animation `gif` through `movie` (made here, owned by
/// `parent`); the label stays empty when the skin lacks the animation.
QLabel* MakeMovieLabel(const QString& objectName, const QString& gif, QMovie*& movie, QWidget* parent);
