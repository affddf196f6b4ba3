// Crashes on demand in the way its argument names, after installing the crash handler.
#include "CrashHandler.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>

namespace {

volatile int g_zero = 0;

[[gnu::noinline]] int recurse(int depth)
{
    if (depth < 0) // never true; keeps the compiler from calling the recursion endless
        return 0;
    volatile char pad[4096];
    pad[0] = static_cast<char>(depth);
    return recurse(depth + 1) + pad[0];
}

// The hardware's own trap is what the handler must see, not the sanitizer's report of it.
__attribute__((noinline, no_sanitize("integer-divide-by-zero"))) int divide(int dividend, int divisor)
{
    return dividend / divisor;
}

} // namespace

int main(int argc, char* argv[])
{
    // Keep the system's own core files out of the test folder.
    rlimit none {};
    setrlimit(RLIMIT_CORE, &none);

    installCrashHandler();
    const char* how = argc > 1 ? argv[1] : "";
    if (!std::strcmp(how, "segv")) {
        int* volatile bad = reinterpret_cast<int*>(0x10);
        *bad = 1;
    } else if (!std::strcmp(how, "abort"))
        std::abort();
    else if (!std::strcmp(how, "fpe")) {
        // 1 / x may be compiled without a division; 7 / x may not.
        volatile int seven = 7;
        return divide(seven, g_zero);
    } else if (!std::strcmp(how, "ill"))
        __builtin_trap();
    else if (!std::strcmp(how, "bus"))
        raise(SIGBUS);
    else if (!std::strcmp(how, "overflow"))
        return recurse(0);
    return 0;
}
