#pragma once

#include <cstdint>

/// The operating system's identifier of the calling thread, as log lines print it.
std::uint32_t CurrentThreadId();
