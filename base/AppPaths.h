#pragma once

#include <QString>

/// The application directory: where the program finds its skin, translations, data files
/// and companion programs, and keeps its INI files. The executable's folder, unless the
/// environment variable DRAVO_APP_DIR names another one.
QString applicationDirectory();

/// An installed program's folder is read-only, yet the program keeps its settings, logs and
/// temporary files in its application directory. When the executable's folder cannot be
/// written (and DRAVO_APP_DIR is not set), this makes a per-user folder that links to every
/// file of the program, points DRAVO_APP_DIR at it (companion programs and the device
/// library follow the variable too) and makes it the working directory. Returns the
/// application directory in use; empty when no writable folder could be made, in which case
/// nothing changed.
QString useWritableApplicationDirectory(const QString& programFolder, const QString& userFolder);
