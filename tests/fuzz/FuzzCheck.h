// The fuzz targets' assertion: a broken property prints where and what, then aborts, which the fuzzer
// reports as a crash with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

#define FUZZ_CHECK_MESSAGE(condition, message)                                                        \
    do {                                                                                              \
        if (!(condition)) {                                                                           \
            std::fprintf(stderr, "%s:%d: property broken: %s (%s)\n", __FILE__, __LINE__, #condition, \
                         std::string(message).c_str());                                               \
            std::abort();                                                                             \
        }                                                                                             \
    } while (false)
