#include "CompanionProcess.h"

#include "WinApi.h"

#include <shellapi.h>

namespace {

std::wstring joinPath(const std::string& dir, const std::string& name)
{
    std::wstring path = WidenUtf8(dir);
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/')
        path += L'\\';
    return path + WidenUtf8(name);
}

bool isFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

std::string FindCompanionProgram(const std::string& dir, const std::string& name)
{
    const std::wstring path = joinPath(dir, name);
    return isFile(path) ? NarrowUtf8(path) : std::string();
}

bool StartDetachedProgram(const std::string& path, const std::string& workDir)
{
    const std::wstring file = WidenUtf8(path);
    const std::wstring dir = WidenUtf8(workDir);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, dir.empty() ? nullptr : dir.c_str(), SW_SHOWNORMAL));
    return result > 32;
}

struct CompanionProcess::Handles
{
    PROCESS_INFORMATION info {};
};

CompanionProcess::CompanionProcess() = default;
CompanionProcess::~CompanionProcess() = default;

bool CompanionProcess::start(const std::string& path, const std::string& workDir)
{
    end();
    std::wstring file = WidenUtf8(path);
    const std::wstring dir = WidenUtf8(workDir);
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    auto handles = std::make_unique<Handles>();
    if (!CreateProcessW(file.c_str(), nullptr, nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS,
                        nullptr, dir.empty() ? nullptr : dir.c_str(), &startup, &handles->info))
        return false;
    m_handles = std::move(handles);
    return true;
}

bool CompanionProcess::isRunning()
{
    return m_handles && WaitForSingleObject(m_handles->info.hProcess, 0) == WAIT_TIMEOUT;
}

void CompanionProcess::end()
{
    if (!m_handles)
        return;
    DWORD code = 0;
    if (GetExitCodeProcess(m_handles->info.hProcess, &code) && code == STILL_ACTIVE)
        TerminateProcess(m_handles->info.hProcess, 0);
    CloseHandle(m_handles->info.hThread);
    CloseHandle(m_handles->info.hProcess);
    m_handles.reset();
}
