#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant is a finding like a crash: the abort makes libFuzzer keep the input.
inline void requireInvariant(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken invariant: %s\n", what);
        std::abort();
    }
}
