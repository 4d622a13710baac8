// A year of the tray controller, minute by minute, on the real engine: what
// it announces is what the command line's listing of the same year holds,
// the icons are rebuilt as often as the machine's calendar and clock turn,
// and nothing piles up. The machine's clock jumps back an hour and forward
// an hour on the way, as a daylight-saving change does; the tide keeps to
// the port's time, which does not jump.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "app/engine_tide_facts.h"
#include "app/tray_controller.h"
#include "calendar/clock.h"
#include "engine/tide_day.h"

namespace marilo::bench {
long allocationCount();  // the benchmarks' allocation counter, linked in
}

namespace marilo {
namespace {

struct CountingShell final : NotifyArea {
    bool add(int, const OwnedIcon&, const std::u16string&) override { return true; }
    void modify(int id, const OwnedIcon&, const std::u16string&) override { ++modified[id == 0 ? 0 : 1]; }
    void remove(int) override {}
    long modified[2] = {0, 0};  // the clock icon, date icon 1
};
struct NoImages final : TrayImages {
    OwnedIcon dateIcon(const DateIconImage&) override { return {}; }
    OwnedIcon clockIcon(const AppSettings&, int, int) override { return {}; }
};
struct IdleTimer final : TickTimer {
    void start(int) override {}
    void stop() override {}
    bool running() const override { return true; }
};
// The machine's clock: UTC plus an offset that a daylight-saving change moves.
struct MachineClock final : Clock {
    int64_t utc = 0;
    int offsetMinutes = 9 * 60;
    static DateTime at(int64_t seconds) {
        const CivilTime c = civilFromEpoch(seconds);
        return DateTime(c.year, c.month, c.day, c.hour, c.minute);
    }
    DateTime now() const override { return at(utc + offsetMinutes * 60); }
    DateTime zoneNow(double meridian) const override { return at(utc + static_cast<int64_t>(meridian * 240)); }
};
struct Announcements final : AlertSink {
    bool showAlert(const Alert& a) override {
        seen.emplace_back(minute, a);
        return true;
    }
    void setSoundOn(bool) override {}
    DateTime minute;
    std::vector<std::pair<DateTime, Alert>> seen;
};

TEST(SimulatedYear, AnnouncementsIconsAndAllocationsThroughClockJumps) {
    const PortAddress port = *PortAddress::fromCommandId(50103);  // 網走
    ControllerSettings cs;
    cs.port = port;
    cs.settings.TrayIcon = kModeDay;
    cs.settings.TrayClock = true;
    cs.settings.Alert = 1;
    cs.settings.STP = cs.settings.UP3 = cs.settings.UP7 = cs.settings.DN3 = cs.settings.DN7 = 1;
    cs.settings.PreTime = 2;  // 15 minutes ahead
    CountingShell shell;
    NoImages images;
    IdleTimer timer;
    MachineClock clock;
    EngineTideFacts tide;
    Announcements sink;
    TrayController tray(cs, shell, images, timer, clock, tide);
    tray.setAlertSink(&sink);

    // 2024 in Japan, from 2024-01-01 00:00 JST.
    const int64_t start = epochFromCivil({2023, 12, 31, 15, 0, 0});
    const int minutes = 366 * 24 * 60;
    clock.utc = start;
    tray.start();
    tray.finishSplash();
    sink.minute = clock.zoneNow(135);
    tray.tick();
    long allocsFirstMonth = 0, allocsLastMonth = 0;
    const int month = 30 * 24 * 60;
    for (int k = 1; k < minutes; ++k) {
        clock.utc = start + k * 60;
        // 31 March 02:00: the machine's clock back an hour; 27 October
        // 02:00: forward again. The port's minutes run on regardless.
        if (k == (90 * 24 + 2) * 60) clock.offsetMinutes = 8 * 60;
        if (k == (300 * 24 + 2) * 60) clock.offsetMinutes = 9 * 60;
        sink.minute = clock.zoneNow(135);
        if (k % 9973 == 0) {  // the kept day's level is a fresh solution's, to the bit
            EXPECT_EQ(tide.levelAt(port, sink.minute), TideDay(port, sink.minute).levelNow) << k;
        }
        const long before = bench::allocationCount();
        tray.tick();
        const long used = bench::allocationCount() - before;
        if (k < month) allocsFirstMonth += used;
        if (k >= minutes - month) allocsLastMonth += used;
    }

    std::vector<std::pair<DateTime, Alert>> listed;
    AlertChoice all{true, true, true, true, true, 2};
    forEachAlert(port, DateTime(2024, 1, 1), 366, all,
                 [&](const DateTime& m, const Alert& a) { listed.emplace_back(m, a); });
    ASSERT_EQ(sink.seen.size(), listed.size());
    for (size_t i = 0; i < listed.size(); ++i) {
        EXPECT_TRUE(sameMinute(sink.seen[i].first, listed[i].first)) << i;
        EXPECT_EQ(sink.seen[i].second, listed[i].second) << i;
    }

    // The machine's midnights: 365 after the first (the back-and-forth hour
    // adds none), each rebuilding the date icon once. The clock icon is
    // rebuilt at every new minute of the machine: each tick but the one the
    // clock went back to the minute it had (back an hour it meets minutes
    // it showed before, but each differs from the one just shown), and
    // forward an hour it is rebuilt once for the jump.
    EXPECT_EQ(shell.modified[1], 365);
    EXPECT_EQ(shell.modified[0], minutes - 1);
    // Nothing piles up: the last month costs what the first did, give or take
    // the alerts' texts.
    EXPECT_LE(allocsLastMonth, allocsFirstMonth * 11 / 10 + 1000);
}

}  // namespace
}  // namespace marilo
