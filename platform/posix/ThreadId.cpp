#include "ThreadId.h"

#include <sys/syscall.h>
#include <unistd.h>

std::uint32_t CurrentThreadId()
{
    return static_cast<std::uint32_t>(syscall(SYS_gettid));
}
