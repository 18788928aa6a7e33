// The fuzzers' own assertion: stops the run with the broken rule named, in any build type.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "message_box.h"

#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

// Boxes would only flood the fuzzer's output; count them instead.
inline int& boxesShown() {
    static int count = 0;
    return count;
}

inline void installSilentBoxes() {
    setBoxPresenter([](BoxKind, std::string_view, std::string_view) { ++boxesShown(); });
}
