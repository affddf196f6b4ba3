#include "CProcessConsole.h"

#include "CJurisdictionConsole.h"

int CProcessConsole::TerminateProcessesByName(const std::string& name)
{
    int ended = 0;
    for (ProcessId pid : FindProcessIdsByName(name))
        ended += TerminateProcessById(pid) ? 1 : 0;
    return ended;
}

void KillProcessByName(const std::string& name)
{
    if (name.empty())
        return;
    // Without the privilege some processes cannot be opened; those are skipped.
    CJurisdictionConsole().EnableDebugPrivilege();
    CProcessConsole().TerminateProcessesByName(name);
}
