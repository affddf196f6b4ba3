#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

/// A child process whose end the test inspects in detail: unlike QProcess it tells which
/// signal ended the child, and it leaves the child running when it goes out of scope only
/// if asked to (the destructor kills and reaps it).
class SpawnedProcess
{
public:
    SpawnedProcess() = default;
    ~SpawnedProcess();
    SpawnedProcess(const SpawnedProcess&) = delete;
    SpawnedProcess& operator=(const SpawnedProcess&) = delete;

    bool start(const QString& program, const QStringList& arguments = {}, const QString& workDir = {});
    /// Waits up to `timeoutMs` for the child to end; false while it still runs.
    bool waitForEnd(int timeoutMs);
    bool isRunning();
    void killHard();

    pid_t pid() const { return m_pid; }
    bool exitedNormally() const { return m_ended && m_exited; }
    int exitCode() const { return m_code; }
    /// The signal that ended the child, or 0.
    int terminatingSignal() const { return m_ended && !m_exited ? m_signal : 0; }

private:
    void record(int status);

    pid_t m_pid = -1;
    bool m_ended = false;
    bool m_exited = false;
    int m_code = 0;
    int m_signal = 0;
};
