#include "CrashHandler.h"

#include "WinApi.h"

#include <dbghelp.h>

#include <cwchar>

namespace {

BOOL CALLBACK miniDumpCallback(PVOID, const PMINIDUMP_CALLBACK_INPUT input, PMINIDUMP_CALLBACK_OUTPUT output)
{
    if (!input || !output)
        return FALSE;
    switch (input->CallbackType) {
    case IncludeModuleCallback:
    case IncludeThreadCallback:
    case ModuleCallback:
    case ThreadCallback:
    case ThreadExCallback:
        break;
    default:
        return FALSE;
    }
    if (input->CallbackType == ModuleCallback) {
        // Data sections are large and rarely useful; keep them for ntdll only.
        const wchar_t* path = input->Module.FullPath;
        const wchar_t* base = path;
        for (const wchar_t* p = path; p && *p; ++p) {
            if (*p == L'\\' || *p == L'/')
                base = p + 1;
        }
        wchar_t stem[MAX_PATH] = {};
        if (base)
            wcsncpy(stem, base, MAX_PATH - 1);
        if (wchar_t* dot = wcsrchr(stem, L'.'))
            *dot = L'\0';
        if (_wcsicmp(stem, L"ntdll") != 0)
            output->ModuleWriteFlags &= ~ModuleWriteDataSeg;
    }
    return TRUE;
}

LONG WINAPI unhandledExceptionFilter(EXCEPTION_POINTERS* pointers)
{
    writeCrashDump(pointers);
    return EXCEPTION_EXECUTE_HANDLER;
}

// Other code in the process (runtime libraries, plug-ins) may install its own filter and
// hide our dump; make the system function answer without doing anything from now on.
void lockExceptionFilter()
{
    HMODULE kernel = LoadLibraryA("kernel32.dll");
    if (!kernel)
        return;
    void* target = reinterpret_cast<void*>(GetProcAddress(kernel, "SetUnhandledExceptionFilter"));
    if (!target)
        return;
#if defined(_M_IX86) || defined(__i386__)
    // xor eax, eax; ret 4 (stdcall, one argument)
    const unsigned char patch[] = { 0x33, 0xC0, 0xC2, 0x04, 0x00 };
#else
    // x64 has one calling convention and the caller cleans up: xor eax, eax; ret
    const unsigned char patch[] = { 0x33, 0xC0, 0xC3 };
#endif
    DWORD oldProtect = 0;
    if (!VirtualProtect(target, sizeof patch, PAGE_EXECUTE_READWRITE, &oldProtect))
        return;
    SIZE_T written = 0;
    WriteProcessMemory(GetCurrentProcess(), target, patch, sizeof patch, &written);
    VirtualProtect(target, sizeof patch, oldProtect, &oldProtect);
    FlushInstructionCache(GetCurrentProcess(), target, sizeof patch);
}

} // namespace

void writeCrashDump(void* exceptionInfo)
{
    HANDLE file = CreateFileW(L"crashcore.dmp", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;

    MINIDUMP_EXCEPTION_INFORMATION exception {};
    exception.ThreadId = GetCurrentThreadId();
    exception.ExceptionPointers = static_cast<EXCEPTION_POINTERS*>(exceptionInfo);
    exception.ClientPointers = FALSE;

    MINIDUMP_CALLBACK_INFORMATION callback {};
    callback.CallbackRoutine = miniDumpCallback;
    callback.CallbackParam = nullptr;

    MiniDumpWriteDump(GetCurrentProcess(), GetCurrentProcessId(), file, MiniDumpNormal,
                      exceptionInfo ? &exception : nullptr, nullptr, &callback);
    CloseHandle(file);
}

void installCrashHandler()
{
    SetUnhandledExceptionFilter(unhandledExceptionFilter);
    lockExceptionFilter();
}
