#pragma once

#include <string>

/// The file version stored in an executable: Windows reads the version resource
/// ("\StringFileInfo\<lang><codepage>\FileVersion" of the first translation); POSIX reads
/// the version record our build embeds. Empty when the file has none.
std::string ExecutableFileVersion(const std::string& path);

/// Absolute path of the running executable.
std::string RunningExecutablePath();

/// File version of the running executable.
std::string RunningExecutableFileVersion();
