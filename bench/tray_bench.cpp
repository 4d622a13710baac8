// What the resident program spends on its own ticks, without the drawing:
// the clock icon's minute (its tooltip solves the tide of the minute) and
// the date icons' day change (a daily solution per tooltip; seven in the
// week mode).

#include <benchmark/benchmark.h>

#include "app/engine_tide_facts.h"
#include "app/tray_controller.h"

namespace {

using namespace marilo;

struct NullShell final : NotifyArea {
    bool add(int, const OwnedIcon&, const std::u16string&) override { return true; }
    void modify(int, const OwnedIcon&, const std::u16string&) override {}
    void remove(int) override {}
};
struct NullImages final : TrayImages {
    OwnedIcon dateIcon(const DateIconImage&) override { return {}; }
    OwnedIcon clockIcon(const AppSettings&, int, int) override { return {}; }
};
struct NullTimer final : TickTimer {
    void start(int) override {}
    void stop() override {}
    bool running() const override { return true; }
};
struct FixedClock final : Clock {
    DateTime t{2024, 1, 11, 12, 0};
    DateTime now() const override { return t; }
    DateTime zoneNow(double) const override { return t; }  // the machine on the port's zone
};

struct Rig {
    ControllerSettings cs;
    NullShell shell;
    NullImages images;
    NullTimer timer;
    FixedClock clock;
    EngineTideFacts tide;
    TrayController tray{cs, shell, images, timer, clock, tide};
    explicit Rig(int32_t mode) {
        cs.settings.TrayIcon = mode;
        cs.rules = DefaultRules();
    }
};

void BM_ClockMinute(benchmark::State& state) {
    Rig rig(kModeMoon);
    for (auto _ : state) {
        rig.tray.UpdateClockIcon();
        benchmark::DoNotOptimize(rig.tray.clockTip().data());
    }
}
BENCHMARK(BM_ClockMinute);

void BM_DayChange(benchmark::State& state) {
    Rig rig(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        rig.tray.UpdateDateIcons(false);
        benchmark::DoNotOptimize(rig.tray.iconTip(1).data());
    }
}
BENCHMARK(BM_DayChange)->Arg(kModeDay)->Arg(kModeWeek)->Arg(kModeMoon);

}  // namespace
