#include "CJurisdictionConsole.h"
#include "CProcessConsole.h"

#include <csignal>
#include <fstream>
#include <string>
#include <unistd.h>

bool CJurisdictionConsole::EnableDebugPrivilege()
{
    if (geteuid() == 0)
        return true;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("CapEff:", 0) == 0) {
            const unsigned long long caps = std::stoull(line.substr(7), nullptr, 16);
            return (caps & (1ull << 5)) != 0; // CAP_KILL
        }
    }
    return false;
}

bool CProcessConsole::TerminateProcessById(ProcessId pid)
{
    return pid != 0 && kill(static_cast<pid_t>(pid), SIGKILL) == 0;
}
