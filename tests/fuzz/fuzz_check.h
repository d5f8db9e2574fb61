#ifndef TESSALY_TESTS_FUZZ_FUZZ_CHECK_H
#define TESSALY_TESTS_FUZZ_FUZZ_CHECK_H

#include <cstdio>
#include <cstdlib>

// A broken property is a finding: say which, and stop so the fuzzer saves the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

#endif
