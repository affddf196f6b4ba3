#include "CompanionProcess.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

bool isExecutableFile(const std::string& path)
{
    struct stat st
    {
    };
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

pid_t spawnIn(const std::string& path, const std::string& workDir, bool newSession)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!workDir.empty())
        posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    // Fatal signals the parent caught must not stay blocked or ignored in the child.
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attr, &none);
    short flags = POSIX_SPAWN_SETSIGMASK;
    if (newSession)
        flags |= POSIX_SPAWN_SETSID;
    posix_spawnattr_setflags(&attr, flags);

    char* argv[] = { const_cast<char*>(path.c_str()), nullptr };
    pid_t pid = -1;
    if (posix_spawn(&pid, path.c_str(), &actions, &attr, argv, environ) != 0)
        pid = -1;
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

} // namespace

std::string FindCompanionProgram(const std::string& dir, const std::string& name)
{
    const std::string base = dir.empty() || dir.back() == '/' ? dir : dir + "/";
    if (isExecutableFile(base + name))
        return base + name;
    static const std::string exe = ".exe";
    if (name.size() > exe.size() && name.compare(name.size() - exe.size(), exe.size(), exe) == 0) {
        const std::string bare = base + name.substr(0, name.size() - exe.size());
        if (isExecutableFile(bare))
            return bare;
    }
    return {};
}

bool StartDetachedProgram(const std::string& path, const std::string& workDir)
{
    if (!isExecutableFile(path))
        return false;
    // Double fork: the program is adopted by init, so it never becomes our zombie and is
    // never waited for. Between fork and exec only async-signal-safe calls are made.
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        setsid();
        if (fork() != 0)
            _exit(0);
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        if (!workDir.empty() && chdir(workDir.c_str()) != 0)
            _exit(127);
        char* argv[] = { const_cast<char*>(path.c_str()), nullptr };
        execv(path.c_str(), argv);
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct CompanionProcess::Handles
{
    pid_t pid = -1;
};

CompanionProcess::CompanionProcess() = default;
CompanionProcess::~CompanionProcess() = default;

bool CompanionProcess::start(const std::string& path, const std::string& workDir)
{
    end();
    const pid_t pid = spawnIn(path, workDir, true);
    if (pid <= 0)
        return false;
    m_handles = std::make_unique<Handles>();
    m_handles->pid = pid;
    return true;
}

bool CompanionProcess::isRunning()
{
    if (!m_handles)
        return false;
    return waitpid(m_handles->pid, nullptr, WNOHANG) == 0;
}

void CompanionProcess::end()
{
    if (!m_handles)
        return;
    if (waitpid(m_handles->pid, nullptr, WNOHANG) == 0) {
        kill(m_handles->pid, SIGKILL);
        waitpid(m_handles->pid, nullptr, 0);
    }
    m_handles.reset();
}
