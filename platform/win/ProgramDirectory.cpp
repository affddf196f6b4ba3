#include "ProgramDirectory.h"

#include "FileVersion.h"
#include "WinApi.h"

std::string ExecutableDirectory()
{
    const std::string path = RunningExecutablePath();
    const auto separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

bool SetWorkingDirectory(const std::string& dir)
{
    return !dir.empty() && SetCurrentDirectoryW(WidenUtf8(dir).c_str()) != FALSE;
}
