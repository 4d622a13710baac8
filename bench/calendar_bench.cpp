// Costs of the date colour: colorForDate with the default rules, and with a
// period rule of 3 days against one of 2,147,483,647 days (the answer must not
// depend on the length). Each benchmark reports the heap allocations it made
// per iteration, which must be zero.

#include <benchmark/benchmark.h>

#include <climits>

#include "bench/alloc_counter.h"
#include "calendar/color_rules.h"
#include "calendar/holidays.h"

namespace {

using namespace marilo;

// A week of dates, as the seven-icon mode colours them.
void colourWeek(benchmark::State& state, const RuleList& rules) {
    DateTime week[7];
    for (int i = 0; i < 7; ++i) week[i] = DateTime(2026, 12, 20 + i);
    const long before = marilo::bench::allocationCount();
    for (auto _ : state) {
        for (const DateTime& d : week) benchmark::DoNotOptimize(rules.colorForDate(d));
    }
    marilo::bench::reportAllocations(state, before);
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
    const long before = marilo::bench::allocationCount();
    for (auto _ : state) benchmark::DoNotOptimize(isHoliday(d));
    marilo::bench::reportAllocations(state, before);
}
BENCHMARK(BM_IsHoliday);

}  // namespace
