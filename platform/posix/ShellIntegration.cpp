#include "ShellIntegration.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string homeDirectory()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return {};
}

// The program of a desktop entry's "Exec=" line: its first word, quotes removed.
std::string desktopEntryProgram(const std::string& file)
{
    std::ifstream in(file);
    std::string line;
    bool inEntry = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        if (!inEntry || line.compare(0, 5, "Exec=") != 0)
            continue;
        const std::string command = line.substr(5);
        std::string program;
        if (!command.empty() && command.front() == '"') {
            for (std::size_t i = 1; i < command.size() && command[i] != '"'; ++i) {
                if (command[i] == '\\' && i + 1 < command.size())
                    ++i;
                program += command[i];
            }
        } else {
            program = command.substr(0, command.find_first_of(" \t"));
        }
        return program;
    }
    return {};
}

// Runs `script` with /bin/sh and the arguments, waiting only for the shell, which puts the
// real work in the background: the work is never waited for and never becomes our zombie.
bool runShellDetached(const char* script, const std::string& argument)
{
    const char* argv[] = { "/bin/sh", "-c", script, "sh", argument.c_str(), nullptr };
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSID);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, "/bin/sh", nullptr, &attr, const_cast<char* const*>(argv), environ);
    posix_spawnattr_destroy(&attr);
    if (rc != 0)
        return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

std::string StartMenuProgramsPath()
{
    if (const char* dataHome = std::getenv("XDG_DATA_HOME"); dataHome && *dataHome == '/')
        return std::string(dataHome) + "/applications";
    const std::string home = homeDirectory();
    return home.empty() ? std::string() : home + "/.local/share/applications";
}

std::string ShortcutFileExtension()
{
    return ".desktop";
}

std::string ShortcutTargetPath(const std::string& shortcut)
{
    struct stat st
    {
    };
    if (lstat(shortcut.c_str(), &st) != 0)
        return {};
    if (S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        return realpath(shortcut.c_str(), resolved) ? std::string(resolved) : std::string();
    }
    return desktopEntryProgram(shortcut);
}

bool WriteInternetShortcut(const std::string& file, const std::string& url)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out << "[InternetShortcut]\r\n"
        << "URL=" << url << "\r\n";
    out.flush();
    return static_cast<bool>(out);
}

bool ShellOpen(const std::string& target)
{
    if (target.empty())
        return false;
    return runShellDetached("command -v xdg-open >/dev/null 2>&1 || exit 127\n"
                            "xdg-open \"$1\" >/dev/null 2>&1 </dev/null &",
                            target);
}

bool RunSignTool(const std::string& file)
{
    return runShellDetached("test -f ./signtool.sh || exit 127\n"
                            "sh ./signtool.sh \"$1\" </dev/null &",
                            file);
}
