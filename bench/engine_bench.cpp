// Costs of the daily solution: one compute, one stage search, and the 289
// solutions behind one full-size tide graph (one per pixel column). Each
// benchmark also reports the heap allocations it made per iteration.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine/tide_day.h"

namespace {

std::atomic<long> gAllocations{0};

}  // namespace

void* operator new(std::size_t n) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using marilo::DateTime;
using marilo::TideDay;

void reportAllocations(benchmark::State& state, long before) {
    state.counters["allocs/iter"] =
        benchmark::Counter(static_cast<double>(gAllocations.load() - before) / static_cast<double>(state.iterations()));
}

void BM_Compute(benchmark::State& state) {
    TideDay day(22, 13, DateTime(2024, 1, 11, 12, 0));
    const long before = gAllocations.load();
    for (auto _ : state) {
        day.compute();
        benchmark::DoNotOptimize(day.extremes);
    }
    reportAllocations(state, before);
}
BENCHMARK(BM_Compute);

void BM_ComputeStages(benchmark::State& state) {
    TideDay day(22, 13, DateTime(2024, 1, 11, 12, 0));
    const long before = gAllocations.load();
    for (auto _ : state) {
        day.computeStages();
        benchmark::DoNotOptimize(day.extremes);
    }
    reportAllocations(state, before);
}
BENCHMARK(BM_ComputeStages);

// The graph solves the day once per pixel column: 289 columns, each a
// setDate with the column's time of day.
void BM_FullGraph(benchmark::State& state) {
    TideDay day(22, 13, DateTime(2024, 1, 11, 0, 0));
    const long before = gAllocations.load();
    for (auto _ : state) {
        for (int column = 0; column < 289; ++column) {
            DateTime when(2024, 1, 11, 0, 0);
            when.minute = column * 5;
            when.normalizeTime();
            when.normalize(0);
            day.setDate(when);
            benchmark::DoNotOptimize(day.levelNow);
        }
    }
    reportAllocations(state, before);
}
BENCHMARK(BM_FullGraph)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
