// Brings the program back after it ended itself to change its language: waits until no
// instance runs any more (the single-instance lock is free then), and starts it again from
// the working directory, which the program sets to its own folder when it starts us.
#include "CompanionProcess.h"
#include "ProcessList.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

#if defined(_WIN32)
const char* const kProgram = "VelmoraDravoFree.exe";
#else
const char* const kProgram = "VelmoraDravoFree";
#endif

std::string currentDirectory()
{
    std::error_code error;
    const auto path = std::filesystem::current_path(error);
    return error ? std::string(".") : path.u8string();
}

} // namespace

int main()
{
    const std::string dir = currentDirectory();
    const std::string program = FindCompanionProgram(dir, kProgram);
    if (program.empty()) {
        std::fprintf(stderr, "RestartApp: %s not found in %s\n", kProgram, dir.c_str());
        return 1;
    }
    // The program exits right after starting us; a minute is far more than it needs.
    if (!WaitUntilNoProcessNamed(kProgram, 60000)) {
        std::fprintf(stderr, "RestartApp: %s is still running; not starting another\n", kProgram);
        return 2;
    }
    return StartDetachedProgram(program, dir) ? 0 : 3;
}
