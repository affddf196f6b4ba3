#pragma once

#include "ProcessList.h"

#include <string>

/// Ends processes. Windows terminates with exit code 4; POSIX sends SIGKILL.
class CProcessConsole
{
public:
    virtual ~CProcessConsole() = default;
    virtual bool TerminateProcessById(ProcessId pid);
    /// Terminates every process whose executable file name equals `name`; returns how many.
    virtual int TerminateProcessesByName(const std::string& name);
};

/// Enables the debug privilege, then terminates every process whose executable file name
/// equals `name` exactly. An empty name does nothing.
void KillProcessByName(const std::string& name);
