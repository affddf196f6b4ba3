#pragma once

#include <QPixmap>
#include <QString>

// The one place where an image name becomes a file of the skin directory.
// Names come in several spellings ("tip_warning.png", "/tip_succeed.png",
// "./tip_warning.png"); all mean the same file of the skin.

/// The path of image `name` in the skin directory of AppStyle.
QString SkinImagePath(const QString& name);

/// Whether image `name` exists in the skin.
bool SkinImageExists(const QString& name);

/// Image `name` from the skin; a null pixmap (and one debug line per name) when it is
/// missing, so that callers can fall back to drawing without it. On a screen with a device
/// pixel ratio above 1 it is the skin's "@2x" drawing where there is one, so pictures stay
/// sharp; size it with SkinSize, not QPixmap::size.
QPixmap SkinPixmap(const QString& name);

/// The size a skin picture takes on screen, whatever density it was loaded at.
QSize SkinSize(const QPixmap& pixmap);

/// `pixmap` fitted into `size` (on-screen pixels) at its own density.
QPixmap SkinScaled(const QPixmap& pixmap, const QSize& size, Qt::AspectRatioMode mode = Qt::KeepAspectRatio);
