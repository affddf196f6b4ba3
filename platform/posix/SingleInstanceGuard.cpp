#include "SingleInstanceGuard.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstanceGuard::SingleInstanceGuard(std::string name)
    : m_name(std::move(name))
{ }

bool SingleInstanceGuard::acquire()
{
    // The runtime directory is per user, like a session-local named mutex on Windows.
    std::string dir;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        dir = runtime;
    else
        dir = "/tmp";
    const std::string path = dir + "/" + m_name + "-" + std::to_string(getuid()) + ".lock";

    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true; // nowhere to keep a lock: better to run than to refuse every start
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return errno != EWOULDBLOCK;
    }
    // The descriptor stays open on purpose: the lock lives as long as the process.
    return true;
}
