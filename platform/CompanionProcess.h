#pragma once

#include <memory>
#include <string>

/// Finds a companion program by the name the program knows it by ("ZevOdivovo.exe") in
/// `dir`. On POSIX the same name without ".exe" is accepted too. Empty when missing.
std::string FindCompanionProgram(const std::string& dir, const std::string& name);

/// Starts `path` with no arguments in `workDir`, detached: never waited for.
bool StartDetachedProgram(const std::string& path, const std::string& workDir);

/// A companion program started with no arguments whose process the caller keeps, so that
/// it can be ended later (the crash reporter).
class CompanionProcess
{
public:
    CompanionProcess();
    ~CompanionProcess(); // ends nothing: call end() for that
    CompanionProcess(const CompanionProcess&) = delete;
    CompanionProcess& operator=(const CompanionProcess&) = delete;

    /// Windows: a new console, normal priority. False (and nothing kept) when it cannot start.
    bool start(const std::string& path, const std::string& workDir);
    bool isRunning();
    /// Terminates the process if it still runs (exit code 0 on Windows) and lets go of it.
    void end();

private:
    struct Handles;
    std::unique_ptr<Handles> m_handles;
};
