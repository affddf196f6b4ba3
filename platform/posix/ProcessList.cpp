#include "ProcessList.h"

#include <cctype>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

std::string baseName(std::string path)
{
    // A running program whose file was replaced shows as "path (deleted)".
    static const std::string deleted = " (deleted)";
    if (path.size() > deleted.size() && path.compare(path.size() - deleted.size(), deleted.size(), deleted) == 0)
        path.resize(path.size() - deleted.size());
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string executableName(const std::string& procDir)
{
    char target[4096];
    const ssize_t n = readlink((procDir + "/exe").c_str(), target, sizeof target - 1);
    if (n > 0) {
        target[n] = '\0';
        return baseName(target);
    }
    // Processes of other users hide their exe link; argv[0] still names the program.
    std::ifstream cmdline(procDir + "/cmdline", std::ios::binary);
    std::string argv0;
    std::getline(cmdline, argv0, '\0');
    return baseName(argv0);
}

} // namespace

std::vector<ProcessId> FindProcessIdsByName(const std::string& name)
{
    std::vector<ProcessId> found;
    if (name.empty())
        return found;
    DIR* proc = opendir("/proc");
    if (!proc)
        return found;
    while (const dirent* entry = readdir(proc)) {
        const std::string pidText = entry->d_name;
        if (pidText.empty() || !std::isdigit(static_cast<unsigned char>(pidText[0])))
            continue;
        if (executableName("/proc/" + pidText) == name)
            found.push_back(static_cast<ProcessId>(std::stoul(pidText)));
    }
    closedir(proc);
    return found;
}
