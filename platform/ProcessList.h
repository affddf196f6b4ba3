#pragma once

#include <cstdint>
#include <string>
#include <vector>

using ProcessId = std::uint32_t;

/// Every running process whose executable file name equals `name` exactly (case-sensitive).
/// POSIX: the base name of /proc/<pid>/exe, or of argv[0] where the link cannot be read.
std::vector<ProcessId> FindProcessIdsByName(const std::string& name);

/// Waits until no process named `name` runs, looking every 100 ms. False when one still runs
/// after `limitMs`.
bool WaitUntilNoProcessNamed(const std::string& name, int limitMs);
