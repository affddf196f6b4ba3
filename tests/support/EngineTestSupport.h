#pragma once

#include "SignalRecorder.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

// Helpers for tests and benchmarks that drive the engine: waits, the log and the debug channel.

/// Returns once every task posted so far has run, handling events meanwhile; false
/// after `timeoutMs`.
bool DrainControlThread(int timeoutMs = 10000);
/// Handles events until `done` holds; false after `timeoutMs`.
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 10000);
/// The lines of "./dravo.log".
QStringList FileLogLines();
/// Backs the connected device up; true once the backup ended well.
bool BackUpDevice(int timeoutMs = 30000);
/// Posts every private-data load in the order the private-data feature posts them; true once
/// the last one and the contacts have answered.
bool LoadPrivateData(int timeoutMs = 30000);

/// Collects the lines of the debug channel (qDebug and friends) while it lives.
class DebugTraceCapture
{
public:
    DebugTraceCapture();
    ~DebugTraceCapture();
    QStringList Lines() const;
};

/// Collects what the process writes to standard error (the debug channel on POSIX).
class StderrCapture
{
public:
    StderrCapture();
    ~StderrCapture();
    /// Stops capturing and returns what was written.
    QString Finish();

private:
    int m_saved = -1;
    int m_file = -1;
    QString m_path;
    QString m_text;
};
