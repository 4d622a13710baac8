// The alerts' cost: the scheduler's minute in the tray (the three days'
// solutions are kept, so a minute is a look-up), the once-a-day solving of
// the three days, and a year of one port as marilo-cli --alerts prints it.

#include <benchmark/benchmark.h>

#include <string>

#include "alerts/alert_scheduler.h"
#include "cli/report.h"
#include "platform/cp932.h"

namespace {

using namespace marilo;

const AlertChoice kEverything{true, true, true, true, true, 2};

// One minute's run of the scheduler over kept days, averaged over a day's
// minutes (announcements included).
void BM_SchedulerMinute(benchmark::State& state) {
    const AlertDays days = solveAlertDays(PortAddress(), DateTime(2024, 1, 11));
    int minute = 0, found = 0;
    for (auto _ : state) {
        const std::optional<Alert> a = scheduleAlert(days, kEverything, minute / 60, minute % 60);
        found += a.has_value();
        minute = (minute + 1) % 1440;
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_SchedulerMinute);

// What the tray does once a day (and after a change of port): yesterday,
// today and tomorrow with their stage times.
void BM_SolveThreeDays(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(solveAlertDays(PortAddress(), DateTime(2024, 1, 11)));
}
BENCHMARK(BM_SolveThreeDays)->Unit(benchmark::kMillisecond);

// marilo-cli --alerts --days 365 with every event: scheduling and the UTF-8
// rows it prints.
void BM_CliAlertsYear(benchmark::State& state) {
    for (auto _ : state) {
        std::string out = cp932ToUtf8(cli::alertsTsvHeader());
        forEachAlert(PortAddress(), DateTime(2024, 1, 1), 365, AlertChoice{true, true, true, true, true, 0},
                     [&](const DateTime& m, const Alert& a) { out += cp932ToUtf8(cli::alertTsvRow(m, a)); });
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_CliAlertsYear)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
