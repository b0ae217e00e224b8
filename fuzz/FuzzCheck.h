#pragma once

#include <cstdio>
#include <cstdlib>

// A property the code under fuzzing must keep. A broken one is a finding like a crash: it
// stops the fuzzer, which keeps the input.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)
