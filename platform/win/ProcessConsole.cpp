#include "CJurisdictionConsole.h"
#include "CProcessConsole.h"

#include "WinApi.h"

bool CJurisdictionConsole::EnableDebugPrivilege()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    bool ok = LookupPrivilegeValueW(nullptr, L"SeDebugPrivilege", &privileges.Privileges[0].Luid)
        && AdjustTokenPrivileges(token, FALSE, &privileges, sizeof privileges, nullptr, nullptr)
        && GetLastError() == ERROR_SUCCESS;
    CloseHandle(token);
    return ok;
}

bool CProcessConsole::TerminateProcessById(ProcessId pid)
{
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(pid));
    if (!process)
        return false;
    const bool ok = TerminateProcess(process, 4) != FALSE;
    CloseHandle(process);
    return ok;
}
