#pragma once

#include <QString>

/// The application directory: where the program finds its skin, translations, data files
/// and companion programs, and keeps its INI files. The executable's folder, unless the
/// environment variable DRAVO_APP_DIR names another one.
QString applicationDirectory();
