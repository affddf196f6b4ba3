#include "FileVersion.h"

#include "WinApi.h"

#include <cstdio>
#include <vector>

std::string ExecutableFileVersion(const std::string& path)
{
    const std::wstring file = WidenUtf8(path);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0)
        return {};
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data()))
        return {};

    struct LangCodePage
    {
        WORD language;
        WORD codePage;
    };
    LangCodePage* translations = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &length)
        || length < sizeof(LangCodePage))
        return {};

    wchar_t query[64];
    swprintf(query, 64, L"\\StringFileInfo\\%04x%04x\\FileVersion", translations[0].language, translations[0].codePage);
    wchar_t* version = nullptr;
    if (!VerQueryValueW(block.data(), query, reinterpret_cast<void**>(&version), &length) || !version)
        return {};
    return NarrowUtf8(version);
}

std::string RunningExecutablePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            return NarrowUtf8(path);
        }
        path.resize(path.size() * 2);
    }
}

std::string RunningExecutableFileVersion()
{
    return ExecutableFileVersion(RunningExecutablePath());
}
