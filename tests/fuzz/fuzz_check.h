#pragma once
// The check the fuzz targets stop on: a broken invariant aborts, so that
// libFuzzer keeps the input that broke it.

#include <cstdio>
#include <cstdlib>

namespace marilo::fuzz {

inline void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

}  // namespace marilo::fuzz
