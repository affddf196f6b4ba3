#include "ThreadId.h"

#include "WinApi.h"

std::uint32_t CurrentThreadId()
{
    return static_cast<std::uint32_t>(GetCurrentThreadId());
}
