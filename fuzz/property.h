// A property that does not hold ends the run with a message: libFuzzer keeps
// the input as a reproducer and the make target fails.
#pragma once

#include <cstdio>
#include <cstdlib>

// Which lead-byte table the input is being checked under, for the message.
inline const char* g_checkedUnder = "";

#define REQUIRE(condition, what)                                                                          \
    do {                                                                                                  \
        if (!(condition)) {                                                                               \
            std::fprintf(stderr, "PROPERTY FAILED under %s (%s:%d): %s\n  [%s]\n", g_checkedUnder, __FILE__, \
                         __LINE__, what, #condition);                                                     \
            std::abort();                                                                                 \
        }                                                                                                 \
    } while (0)
