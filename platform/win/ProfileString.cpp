#include "ProfileString.h"

#include "WinApi.h"

#include <vector>

std::string ReadIniString(const std::string& section, const std::string& key, const std::string& defaultValue,
                          const std::string& file)
{
    const std::wstring wSection = WidenUtf8(section);
    const std::wstring wKey = WidenUtf8(key);
    const std::wstring wDefault = WidenUtf8(defaultValue);
    const std::wstring wFile = WidenUtf8(file);
    // The function truncates silently; a result that fills the buffer may have been cut.
    std::vector<wchar_t> buffer(512);
    for (;;) {
        const DWORD n = GetPrivateProfileStringW(wSection.c_str(), wKey.c_str(), wDefault.c_str(), buffer.data(),
                                                 static_cast<DWORD>(buffer.size()), wFile.c_str());
        if (n + 1 < buffer.size() || buffer.size() >= 65536)
            return NarrowUtf8(std::wstring(buffer.data(), n));
        buffer.resize(buffer.size() * 2);
    }
}

bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& file)
{
    if (section.empty() || key.empty())
        return false;
    return WritePrivateProfileStringW(WidenUtf8(section).c_str(), WidenUtf8(key).c_str(), WidenUtf8(value).c_str(),
                                      WidenUtf8(file).c_str())
        != FALSE;
}

bool CreateIniFile(const std::string& file)
{
    const HANDLE handle = CreateFileW(WidenUtf8(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    // With this mark the profile functions keep the file in UTF-16.
    const unsigned char bom[] = { 0xFF, 0xFE };
    DWORD written = 0;
    const BOOL ok = WriteFile(handle, bom, sizeof bom, &written, nullptr);
    CloseHandle(handle);
    return ok && written == sizeof bom;
}
