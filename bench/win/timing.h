#pragma once
// The clock of the Windows timings: milliseconds from the performance
// counter, and the mean time of many runs of a piece of work.

#include <windows.h>

namespace marilo {

inline double nowMs() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

template <class F>
double meanMs(int runs, F&& f) {
    const double start = nowMs();
    for (int i = 0; i < runs; ++i) f();
    return (nowMs() - start) / runs;
}

}  // namespace marilo
