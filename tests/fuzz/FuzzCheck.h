#pragma once

#include <cstdio>
#include <cstdlib>

/// Ends the run when a property of the reader does not hold; the fuzzer keeps the input.
inline void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}
