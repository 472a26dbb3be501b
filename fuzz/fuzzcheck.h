#pragma once

#include <cstdio>
#include <cstdlib>

// A property that does not hold is a fault like a crash: say which, and stop
// so that libFuzzer keeps the input.
#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
