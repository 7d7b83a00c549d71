#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the run when an invariant breaks: libFuzzer keeps the input that
// broke it, and the replay test fails on it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
