// Costs of the daily solution: one compute, the stage search of one day, forty
// years of days with their stages, and the engine work behind one full-size
// tide graph, both as 289 solutions (one per pixel column) and as one
// solution read at 290 minutes. Each benchmark also reports the heap
// allocations it made per iteration.

#include <benchmark/benchmark.h>

#include "bench/alloc_counter.h"
#include "engine/tide_day.h"

namespace {

using marilo::DateTime;
using marilo::TideDay;

void BM_Compute(benchmark::State& state) {
    TideDay day(marilo::PortAddress(), DateTime(2024, 1, 11, 12, 0));
    const long before = marilo::bench::allocationCount();
    for (auto _ : state) {
        day.compute();
        benchmark::DoNotOptimize(day.extremes);
    }
    marilo::bench::reportAllocations(state, before);
}
BENCHMARK(BM_Compute);

// Stages of a day whose turning points all have their successors within the
// day's window (five slots, the last one after midnight)...
void BM_ComputeStagesTypicalDay(benchmark::State& state) {
    TideDay day(marilo::PortAddress(), DateTime(2024, 7, 7, 12, 0));
    const long before = marilo::bench::allocationCount();
    for (auto _ : state) {
        day.computeStages();
        benchmark::DoNotOptimize(day.extremes);
    }
    marilo::bench::reportAllocations(state, before);
}
BENCHMARK(BM_ComputeStagesTypicalDay);

// ... and of one whose last turning point (23:41) is followed by the next one
// only past the window, which carries the scan on.
void BM_ComputeStagesNextPastTheWindow(benchmark::State& state) {
    TideDay day(marilo::PortAddress(), DateTime(2024, 1, 11, 12, 0));
    const long before = marilo::bench::allocationCount();
    for (auto _ : state) {
        day.computeStages();
        benchmark::DoNotOptimize(day.extremes);
    }
    marilo::bench::reportAllocations(state, before);
}
BENCHMARK(BM_ComputeStagesNextPastTheWindow);

// Forty years of one port, day by day, each solved with its stages, as the
// command line's --days 14610 does: the default port, which has 14 of the
// 40 constituents, and 銚子港, which like almost every port has 31.
void BM_FortyYearsWithStages(benchmark::State& state) {
    const int group = static_cast<int>(state.range(0)), index = static_cast<int>(state.range(1));
    TideDay day(*marilo::PortAddress::at(group, index), DateTime(2000, 1, 1));
    const long before = marilo::bench::allocationCount();
    for (auto _ : state) {
        DateTime when(2000, 1, 1);
        for (int k = 0; k < 14610; ++k) {
            if (k > 0) when.nextDay();
            day.setDate(when);
            day.computeStages();
            benchmark::DoNotOptimize(day.extremes);
        }
    }
    marilo::bench::reportAllocations(state, before);
}
BENCHMARK(BM_FortyYearsWithStages)->Args({22, 13})->Args({12, 0})->Unit(benchmark::kMillisecond);

// The graph solves the day once per pixel column: 289 columns, each a
// setDate with the column's time of day.
void BM_FullGraph(benchmark::State& state) {
    TideDay day(marilo::PortAddress(), DateTime(2024, 1, 11, 0, 0));
    const long before = marilo::bench::allocationCount();
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
    marilo::bench::reportAllocations(state, before);
}
BENCHMARK(BM_FullGraph)->Unit(benchmark::kMillisecond);

// What the graph's engine work is: one solution of the day, then the level
// at each of the 288 columns of the largest graph and at the present minute,
// each taken from that one solution.
void BM_FullGraphOneSolution(benchmark::State& state) {
    const long before = marilo::bench::allocationCount();
    for (auto _ : state) {
        const TideDay day(marilo::PortAddress(), DateTime(2024, 1, 11, 0, 0));
        double sum = day.levelAtTime(0, 0);
        for (int column = 0; column < 288; ++column) sum += day.levelAtTime(0, column * 5);
        sum += day.levelAtTime(12, 34);
        benchmark::DoNotOptimize(sum);
    }
    marilo::bench::reportAllocations(state, before);
}
BENCHMARK(BM_FullGraphOneSolution)->Unit(benchmark::kMicrosecond);

}  // namespace
