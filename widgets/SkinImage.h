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
/// missing, so that callers can fall back to drawing without it.
QPixmap SkinPixmap(const QString& name);
