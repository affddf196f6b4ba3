#pragma once

#include <QString>

/// The library's own log, "log/ovdriver.log" under the application directory (DRAVO_APP_DIR,
/// else the folder of the running executable). The feedback mail attaches it.
class SimLog
{
public:
    /// Appends one time-stamped line; safe from any thread; a log that cannot be written
    /// loses the line.
    static void write(const QString& line);
    static QString path();
};
