#include "ShellIntegration.h"

#include "WinApi.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

namespace {

// COM for the calling thread, released only when this call started it.
class ComScope
{
public:
    ComScope()
        : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))
    { }
    ~ComScope()
    {
        if (SUCCEEDED(m_result))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT m_result;
};

} // namespace

std::string StartMenuProgramsPath()
{
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, path)))
        return NarrowUtf8(path);
    return "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs";
}

std::string ShortcutFileExtension()
{
    return ".lnk";
}

std::string ShortcutTargetPath(const std::string& shortcut)
{
    ComScope com;
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return {};
    std::string target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(WidenUtf8(shortcut).c_str(), STGM_READ))) {
            wchar_t path[MAX_PATH] = {};
            if (link->GetPath(path, MAX_PATH, nullptr, 0) == S_OK)
                target = NarrowUtf8(path);
        }
        file->Release();
    }
    link->Release();
    return target;
}

bool WriteInternetShortcut(const std::string& file, const std::string& url)
{
    const HANDLE handle = CreateFileW(WidenUtf8(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    const std::string text = "[InternetShortcut]\r\nURL=" + url + "\r\n";
    DWORD written = 0;
    const BOOL ok = WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(handle);
    return ok && written == text.size();
}

bool ShellOpen(const std::string& target)
{
    if (target.empty())
        return false;
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", WidenUtf8(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

bool RunSignTool(const std::string& file)
{
    const std::wstring arguments = L"/C signtool.bat \"" + WidenUtf8(file) + L"\"";
    const auto result
        = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", L"cmd.exe", arguments.c_str(), nullptr, SW_SHOW));
    return result > 32;
}
