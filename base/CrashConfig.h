#pragma once

#include "CompanionProcess.h"

#include <QByteArray>
#include <QString>

/// The crash-report configuration and the companion crash reporter that reads it.
///
/// "crash_config" in the working directory tells the reporter which product crashed and
/// which dump to send: the product line, the executable name and the dump file names, each
/// ended by a zero byte. The owner writes it and starts the reporter once, and ends the
/// reporter before it goes away (and before the program restarts itself).
class CrashConfig
{
public:
    static constexpr const char* kFileName = "crash_config";
    static constexpr const char* kReporterName = "ZevOdivovo.exe";

    CrashConfig();

    /// The bytes of "crash_config" for the given file version and user line.
    static QByteArray fileContents(const QString& fileVersion, const QString& userLine, const QString& executableName);

    /// Writes "crash_config" into the working directory for the running executable.
    bool write() const;
    /// Starts the reporter found in the working directory; a missing reporter is skipped.
    bool startReporter();
    bool reporterRunning();
    void endReporter();

private:
    CompanionProcess m_reporter;
};
