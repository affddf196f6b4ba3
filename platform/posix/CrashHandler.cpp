#include "CrashHandler.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

// Everything below runs inside a signal handler of a failing process: no allocation, no
// stdio, no locks. Only open/write/close, syscall and raise are called.
namespace {

const int kSignals[] = { SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT };

const char* signalName(int sig)
{
    switch (sig) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGILL:
        return "SIGILL";
    case SIGFPE:
        return "SIGFPE";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "signal";
    }
}

void put(int fd, const char* text)
{
    size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t n = write(fd, text, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        text += n;
        left -= static_cast<size_t>(n);
    }
}

void putNumber(int fd, std::uint64_t value, unsigned base)
{
    char buf[24];
    char* p = buf + sizeof buf;
    *--p = '\0';
    do {
        *--p = "0123456789abcdef"[value % base];
        value /= base;
    } while (value != 0);
    if (base == 16)
        put(fd, "0x");
    put(fd, p);
}

void onFatalSignal(int sig, siginfo_t* info, void*)
{
    writeCrashDump(info);
    // SA_RESETHAND has restored the default action; the signal is blocked until we return,
    // so it is delivered then and the process dies of it. A real fault also repeats.
    raise(sig);
}

} // namespace

void writeCrashDump(void* exceptionInfo)
{
    const int fd = open("crashcore.dmp", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    const auto* info = static_cast<const siginfo_t*>(exceptionInfo);
    const int sig = info ? info->si_signo : 0;

    put(fd, "crashcore\nsignal: ");
    putNumber(fd, static_cast<std::uint64_t>(sig), 10);
    put(fd, " (");
    put(fd, signalName(sig));
    put(fd, ")\ncode: ");
    putNumber(fd, info ? static_cast<std::uint64_t>(static_cast<std::uint32_t>(info->si_code)) : 0, 10);
    put(fd, "\naddress: ");
    putNumber(fd, info ? reinterpret_cast<std::uintptr_t>(info->si_addr) : 0, 16);
    put(fd, "\nprocess: ");
    putNumber(fd, static_cast<std::uint64_t>(getpid()), 10);
    put(fd, "\nthread: ");
    putNumber(fd, static_cast<std::uint64_t>(syscall(SYS_gettid)), 10);
    put(fd, "\nbacktrace:\n");
    void* frames[64];
    const int count = backtrace(frames, 64);
    backtrace_symbols_fd(frames, count, fd);
    close(fd);
}

void installCrashHandler()
{
    // backtrace() loads its unwinder on first use; do that now, not inside the handler.
    void* warm[1];
    backtrace(warm, 1);

    // A stack overflow leaves no stack to run the handler on; give it one of its own.
    static constexpr size_t kAltStackSize = 64 * 1024;
    stack_t alt {};
    alt.ss_sp = std::malloc(kAltStackSize);
    alt.ss_size = kAltStackSize;
    if (alt.ss_sp)
        sigaltstack(&alt, nullptr);

    struct sigaction action
    {
    };
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_RESETHAND | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int sig : kSignals)
        sigaction(sig, &action, nullptr);
}
