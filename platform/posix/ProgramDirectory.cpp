#include "ProgramDirectory.h"

#include "FileVersion.h"

#include <unistd.h>

std::string ExecutableDirectory()
{
    const std::string path = RunningExecutablePath();
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool SetWorkingDirectory(const std::string& dir)
{
    return !dir.empty() && chdir(dir.c_str()) == 0;
}
