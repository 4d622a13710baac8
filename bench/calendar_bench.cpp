// Costs of the date colour: colorForDate with the default rules, and with a
// period rule of 3 days against one of 2,147,483,647 days (the answer must not
// depend on the length). Each benchmark reports the heap allocations it made
// per iteration, which must be zero.

#include <benchmark/benchmark.h>

#include <atomic>
#include <climits>
#include <cstdlib>
#include <new>

#include "calendar/color_rules.h"
#include "calendar/holidays.h"

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

using namespace marilo;

void reportAllocations(benchmark::State& state, long before) {
    state.counters["allocs/iter"] =
        benchmark::Counter(static_cast<double>(gAllocations.load() - before) / static_cast<double>(state.iterations()));
}

// A week of dates, as the seven-icon mode colours them.
void colourWeek(benchmark::State& state, const RuleList& rules) {
    DateTime week[7];
    for (int i = 0; i < 7; ++i) week[i] = DateTime(2026, 12, 20 + i);
    const long before = gAllocations.load();
    for (auto _ : state) {
        for (const DateTime& d : week) benchmark::DoNotOptimize(rules.colorForDate(d));
    }
    reportAllocations(state, before);
}

void BM_DefaultRulesWeek(benchmark::State& state) { colourWeek(state, DefaultRules()); }
BENCHMARK(BM_DefaultRulesWeek);

void BM_PeriodWeek(benchmark::State& state) {
    RuleList rules;
    rules.append(makeRule(Period, 0, 1, static_cast<int32_t>(state.range(0)), 12, 30, 4));
    colourWeek(state, rules);
}
BENCHMARK(BM_PeriodWeek)->Arg(3)->Arg(365)->Arg(INT_MAX);

void BM_IsHoliday(benchmark::State& state) {
    const DateTime d(2026, 9, 22);
    const long before = gAllocations.load();
    for (auto _ : state) benchmark::DoNotOptimize(isHoliday(d));
    reportAllocations(state, before);
}
BENCHMARK(BM_IsHoliday);

}  // namespace
BENCHMARK_MAIN();
