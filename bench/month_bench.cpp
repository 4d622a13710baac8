// A month at a glance: 31 daily solutions with their moon and tide names and
// sunrise and sunset, as the month table, picture and calendar export build it.

#include <benchmark/benchmark.h>

#include "bench/alloc_counter.h"
#include "engine/tide_month.h"

namespace {

void BM_TideMonth(benchmark::State& state) {
    const long before = marilo::bench::allocationCount();
    for (auto _ : state) {
        const marilo::TideMonth m = marilo::tideMonth(marilo::PortAddress(), 2024, 3);  // 31 days
        benchmark::DoNotOptimize(m.days[30].waterCount);
    }
    marilo::bench::reportAllocations(state, before);
}
BENCHMARK(BM_TideMonth)->Unit(benchmark::kMillisecond);

}  // namespace
