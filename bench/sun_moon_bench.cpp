// The six events of one date (civil dawn, sunrise, sunset, civil dusk,
// moonrise, moonset), as the popup menu and marilo-cli --sun compute them:
// once per date, beside the daily tide solution.

#include <benchmark/benchmark.h>

#include "bench/alloc_counter.h"
#include "engine/rise_set.h"

namespace {

void BM_SunMoonTimes(benchmark::State& state) {
    const marilo::PortAddress port;  // 田子の浦
    const long before = marilo::bench::allocationCount();
    int day = 0;
    for (auto _ : state) {
        // A different date each time, over a year.
        const marilo::SunMoonTimes t = marilo::sunMoonTimes(port, 2026, 1, 1 + day);
        day = (day + 1) % 365;
        benchmark::DoNotOptimize(t);
    }
    marilo::bench::reportAllocations(state, before);
}
BENCHMARK(BM_SunMoonTimes)->Unit(benchmark::kMicrosecond);

}  // namespace
