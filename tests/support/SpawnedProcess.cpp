#include "SpawnedProcess.h"

#include <QElapsedTimer>
#include <QThread>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

SpawnedProcess::~SpawnedProcess()
{
    killHard();
}

bool SpawnedProcess::start(const QString& program, const QStringList& arguments, const QString& workDir)
{
    std::vector<QByteArray> storage { program.toLocal8Bit() };
    for (const QString& argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& item : storage)
        argv.push_back(item.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray dir = workDir.toLocal8Bit();
    if (!dir.isEmpty())
        posix_spawn_file_actions_addchdir_np(&actions, dir.constData());
    const int rc = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    m_ended = false;
    if (rc != 0)
        m_pid = -1;
    return rc == 0;
}

void SpawnedProcess::record(int status)
{
    m_ended = true;
    m_exited = WIFEXITED(status);
    m_code = m_exited ? WEXITSTATUS(status) : 0;
    m_signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

bool SpawnedProcess::waitForEnd(int timeoutMs)
{
    if (m_pid <= 0 || m_ended)
        return m_ended;
    QElapsedTimer timer;
    timer.start();
    do {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            record(status);
            return true;
        }
        QThread::msleep(10);
    } while (timer.elapsed() < timeoutMs);
    return false;
}

bool SpawnedProcess::isRunning()
{
    return m_pid > 0 && !waitForEnd(0);
}

void SpawnedProcess::killHard()
{
    if (m_pid > 0 && !m_ended) {
        kill(m_pid, SIGKILL);
        int status = 0;
        waitpid(m_pid, &status, 0);
        record(status);
    }
}
