#pragma once

#include <string>

/// The folder of the running executable, ending with its separator.
std::string ExecutableDirectory();

/// Makes `dir` the process's working directory. False when it cannot be entered.
bool SetWorkingDirectory(const std::string& dir);
