#include "FileVersion.h"

#include <fstream>
#include <iterator>
#include <unistd.h>

#ifndef DRAVO_FILE_VERSION
#error "DRAVO_FILE_VERSION must be defined by the build"
#endif

namespace {

// The POSIX stand-in for a version resource: a record in the binary's read-only data that
// any reader can find by its tag. The tag is spelled in two pieces in the reader, so the
// only complete copy in a binary is the record itself.
__attribute__((used)) const char kVersionRecord[] = "@(#)VDFV:" DRAVO_FILE_VERSION;

std::string versionTag()
{
    return std::string("@(#)") + "VDFV:";
}

} // namespace

std::string ExecutableFileVersion(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {};
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::string tag = versionTag();
    const auto at = bytes.find(tag);
    if (at == std::string::npos)
        return {};
    const auto begin = at + tag.size();
    const auto end = bytes.find('\0', begin);
    if (end == std::string::npos || end - begin > 64)
        return {};
    return bytes.substr(begin, end - begin);
}

std::string RunningExecutablePath()
{
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return {};
    buf[n] = '\0';
    return buf;
}

std::string RunningExecutableFileVersion()
{
    // Answer from the record compiled into this very binary; reading our own file back
    // would give the same text.
    return kVersionRecord + versionTag().size();
}
