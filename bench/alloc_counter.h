#pragma once
// Heap allocations made through operator new, counted for the benchmarks'
// "allocs/iter" figures. Linking alloc_counter.cpp replaces the global
// operator new of the benchmark executable.

#include <benchmark/benchmark.h>

namespace marilo::bench {

long allocationCount();

// Reports the allocations made since `before` per iteration of `state`.
inline void reportAllocations(benchmark::State& state, long before) {
    state.counters["allocs/iter"] = benchmark::Counter(static_cast<double>(allocationCount() - before) /
                                                       static_cast<double>(state.iterations()));
}

}  // namespace marilo::bench
