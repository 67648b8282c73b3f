// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>

// FUZZ_REQUIRE(property): a property every input must keep. A broken one
// aborts with the property's text, so libFuzzer keeps the input as a crash
// and the seed test of a plain build fails.
#define FUZZ_REQUIRE(property)                                                                   \
    do {                                                                                         \
        if (!(property)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #property); \
            std::abort();                                                                        \
        }                                                                                        \
    } while (false)
