#pragma once

#include <QString>

class OvCustomNOButton;
class QLabel;
class QMovie;
class QWidget;

// Pieces the erase progress and end pages share, so that they look alike.

/// A centred label showing the skin image `image`; empty when the skin lacks it.
QLabel* MakeErasePicture(const QString& objectName, const QString& image, QWidget* parent);
/// A centred label that plays the skin animation `gif` through `movie` (made here, owned by
/// `parent`); the label stays empty when the skin lacks the animation.
QLabel* MakeEraseMovie(const QString& objectName, const QString& gif, QMovie*& movie, QWidget* parent);
/// Points `label` and `movie` at another animation of the skin, playing when `play`.
void SetEraseMovie(QLabel* label, QMovie* movie, const QString& gif, bool play);
/// A label in the pages' text style; `pixelSize` of the AppStyle family.
QLabel* MakeEraseText(const QString& objectName, const QString& text, int pixelSize, QWidget* parent);
/// The small "Stop" button of the progress pages, reading `text`.
OvCustomNOButton* MakeEraseStopButton(const QString& objectName, const QString& text, QWidget* parent);
/// A label whose one link reads `text`: reachable by Tab and opened by Enter as by a click.
QLabel* MakeEraseLink(const QString& objectName, const QString& text, const QString& href, QWidget* parent);
/// Sets the link text of a label made by MakeEraseLink.
void SetEraseLinkText(QLabel* label, const QString& text, const QString& href);
