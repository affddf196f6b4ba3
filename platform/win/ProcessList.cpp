#include "ProcessList.h"

#include "WinApi.h"

#include <tlhelp32.h>

std::vector<ProcessId> FindProcessIdsByName(const std::string& name)
{
    std::vector<ProcessId> found;
    if (name.empty())
        return found;
    const std::wstring wanted = WidenUtf8(name);
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return found;
    PROCESSENTRY32W entry {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (wanted == entry.szExeFile)
            found.push_back(static_cast<ProcessId>(entry.th32ProcessID));
    }
    CloseHandle(snapshot);
    return found;
}
