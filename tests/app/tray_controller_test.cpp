#include "app/tray_controller.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "app/date_format.h"
#include "tray_doubles.h"

namespace marilo {
namespace {

using testing::FakeTide;
using testing::RecordingImages;
using testing::RecordingShell;
using testing::RecordingTimer;
using testing::SettableClock;
using testing::ShellCall;

struct Bench {
    ControllerSettings cs;
    RecordingShell shell;
    RecordingImages images;
    RecordingTimer timer;
    SettableClock clock;
    FakeTide tide;
    TrayController tray{cs, shell, images, timer, clock, tide};

    Bench(int32_t mode, bool reverse, bool trayClock = false, int32_t alert = 0) {
        cs.settings.TrayIcon = mode;
        cs.settings.IsXP = reverse;
        cs.settings.TrayClock = trayClock;
        cs.settings.Alert = alert;
        cs.rules = DefaultRules();
    }
};

TEST(TickPeriod, ClosesInOnMidnightUnlessClockOrAlertsNeedEveryMinute) {
    EXPECT_EQ(tickPeriodMs(false, false, 22, 59), 3600000);
    EXPECT_EQ(tickPeriodMs(false, false, 0, 0), 3600000);
    EXPECT_EQ(tickPeriodMs(false, false, 23, 49), 600000);
    EXPECT_EQ(tickPeriodMs(false, false, 23, 50), 60000);
    EXPECT_EQ(tickPeriodMs(false, false, 23, 58), 60000);
    EXPECT_EQ(tickPeriodMs(false, false, 23, 59), 5000);
    for (int h : {0, 22, 23}) {
        EXPECT_EQ(tickPeriodMs(true, false, h, 10), 5000);
        EXPECT_EQ(tickPeriodMs(false, true, h, 10), 5000);
    }
}

TEST(TrayIcons, EachModeAddsItsIconsWithNumbersAndTips) {
    struct Case {
        int32_t mode;
        std::vector<std::string> tips;  // by icon number 1..N, normal order
    };
    // 2007-03-07 is a Wednesday; the fake tide names each day after its date.
    const std::vector<Case> cases = {
        {0, {"Marilo"}},
        {1, {"2007/3/7(水) 潮7"}},
        {2, {"2007/3/7(水) 潮7"}},
        {3, {"2007/3/7(水) 潮7"}},
        {4, {"3月", "7日"}},
        {5, {"2007年", "3月", "7日"}},
        {6, {"2007年", "2007年", "3月", "7日(水)"}},
        {7,
         {"2007/3/4 潮4 月齢4.2", "3/5 潮5 月齢5.2", "3/6 潮6 月齢6.2", "3/7 潮7 月齢7.2", "3/8 潮8 月齢8.2",
          "3/9 潮9 月齢9.2", "3/10 潮10 月齢10.2"}},
        {8, {}},
        {9, {"2007/3/7(水) 潮7 月齢7.2"}},
    };
    for (const Case& c : cases) {
        for (bool reverse : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "mode " << c.mode << (reverse ? " reverse" : " normal"));
            Bench b(c.mode, reverse);
            b.tray.AddDateIcons();
            const int n = static_cast<int>(c.tips.size());
            ASSERT_EQ(static_cast<int>(b.shell.calls.size()), n);
            for (int i = 1; i <= n; ++i) {
                const ShellCall& call = b.shell.calls[i - 1];
                EXPECT_EQ(call.action, 'A');
                EXPECT_EQ(call.id, i);
                const int k = reverse ? n - i : i - 1;
                EXPECT_EQ(call.tip, c.tips[k]);
                EXPECT_EQ(b.images.made[call.image].k, k);
                EXPECT_EQ(b.images.made[call.image].slot, i - 1);
                EXPECT_EQ(b.tray.iconTip(i), c.tips[k]);
            }
            EXPECT_EQ(b.images.released, n);

            std::vector<int> expected;
            for (int i = 1; i <= n; ++i) expected.push_back(i);
            b.shell.calls.clear();
            b.tray.UpdateDateIcons(false);
            EXPECT_EQ(b.shell.ids('M'), expected);
            b.shell.calls.clear();
            b.tray.DeleteDateIcons();
            EXPECT_EQ(b.shell.ids('D'), expected);
        }
    }
}

TEST(TrayIcons, FourIconModeShowsCenturyYearMonthDay) {
    Bench b(kModeFourIcons, false);
    b.clock.set(2007, 3, 1, 9, 0);
    b.tray.AddDateIcons();
    ASSERT_EQ(b.images.made.size(), 4u);
    EXPECT_EQ(b.images.made[0].figures.first, u"20");
    EXPECT_EQ(b.images.made[1].figures.first, u"07");
    EXPECT_EQ(b.images.made[2].figures.first, u"3");
    EXPECT_EQ(b.images.made[3].figures.first, u"1");
    EXPECT_EQ(b.tray.iconTip(4), "1日(木)");
}

TEST(TrayIcons, WeekModeFramesTodayAndReverseOrderAddsSundayLast) {
    Bench b(kModeWeek, true);
    b.tray.AddDateIcons();
    ASSERT_EQ(b.shell.calls.size(), 7u);
    const DateIconImage& last = b.images.made[b.shell.calls[6].image];
    EXPECT_EQ(last.k, 0);
    EXPECT_EQ(last.day.day, 4);  // Sunday 4 March
    EXPECT_EQ(last.day.weekday, 0);
    EXPECT_EQ(last.color, 0x0000FFu);  // Sundays are red
    int framed = 0;
    for (const DateIconImage& img : b.images.made) {
        if (img.todayFrame) {
            ++framed;
            EXPECT_EQ(img.day.day, 7);
        }
    }
    EXPECT_EQ(framed, 1);
    // Saturday is blue, a weekday has no rule.
    EXPECT_EQ(b.images.made[b.shell.calls[0].image].color, 0xFF0000u);
    EXPECT_EQ(b.images.made[b.shell.calls[3].image].color, 0u);
}

TEST(TrayIcons, ResourceImagesForAppMoonAndAlert) {
    Bench moon(kModeMoon, false);
    moon.tide.moonAge = 29.3;  // rounds to a whole cycle: new moon again
    moon.tray.AddDateIcons();
    EXPECT_EQ(moon.images.made.back().resourceId, kFirstMoonIconId);
    moon.tide.moonAge = 14.8;
    moon.tray.UpdateDateIcons(false);
    EXPECT_EQ(moon.images.made.back().resourceId, kFirstMoonIconId + 8);
    moon.tray.UpdateDateIcons(true);
    EXPECT_EQ(moon.images.made.back().resourceId, kAlertIconId);

    Bench app(kModeAppIcon, false);
    app.tray.UpdateDateIcons(false);
    EXPECT_EQ(app.images.made.back().resourceId, kAppIconId);
    app.tray.UpdateDateIcons(true);
    EXPECT_EQ(app.images.made.back().resourceId, kAlertIconId);

    Bench day(kModeDay, false);
    day.tray.UpdateDateIcons(true);  // date modes draw as usual during an alert
    EXPECT_EQ(day.images.made.back().resourceId, 0);
}

TEST(TrayIcons, ClockIconIsNumberZeroWithTimeAndLevel) {
    Bench b(kModeDay, false, true);
    b.clock.set(2007, 3, 7, 14, 5);
    b.tray.AddClockIcon();
    ASSERT_EQ(b.shell.calls.size(), 1u);
    EXPECT_EQ(b.shell.calls[0], (ShellCall{'A', 0, "午後 2 時 05 分 潮位123", 0}));
    EXPECT_EQ(b.images.made[0].k, 1405);
    b.tide.level = -3.7;
    b.clock.set(2007, 3, 7, 0, 30);
    b.tray.UpdateClockIcon();
    EXPECT_EQ(b.shell.calls[1].action, 'M');
    EXPECT_EQ(b.shell.calls[1].tip, "午前 12 時 30 分 潮位-3");
    b.tray.DeleteClockIcon();
    EXPECT_EQ(b.shell.calls[2], (ShellCall{'D', 0, {}, -1}));
}

TEST(ZoneTime, TheTideRunsOnThePortsClockTheCalendarOnTheMachines) {
    // A machine on UTC-8 at 10:13 on Monday 7 December 2026 is at 03:13 on
    // Tuesday the 8th in Japan.
    Bench b(kModeWeek, false, true, 1);
    b.clock.utcOffsetMinutes = -8 * 60;
    b.clock.set(2026, 12, 7, 10, 13);
    b.tray.AddDateIcons();
    b.tray.AddClockIcon();
    EXPECT_EQ(b.shell.calls.back().tip, "午前 10 時 13 分 潮位123");  // the machine's time
    EXPECT_TRUE(sameMinute(b.tide.levelAsked, DateTime(2026, 12, 8, 3, 13)));  // the port's
    EXPECT_EQ(b.images.made[0].day.day, 6);  // icon 1 shows the machine's Sunday the 6th,
    EXPECT_TRUE(b.images.made[1].todayFrame);  // its today framed...
    const GraphDay g = b.tray.menu().graphDay();
    EXPECT_EQ(g.day.date.day, 8);  // ...the graph the port's today, Now at its minute
    EXPECT_EQ(g.nowHour, 3);
    EXPECT_EQ(g.nowMinute, 13);
    // The week icon of the machine's Wednesday the 9th is the port's tomorrow.
    b.tray.trayMouse(4, kMouseRightUp);
    EXPECT_EQ(b.tray.menu().dayOffset(), 1);
    // A port abroad keeps its own zone: サイパン is an hour ahead of Japan.
    const PortAddress saipan = *PortAddress::fromCommandId(58001);
    ASSERT_EQ(saipan.zoneMeridian(), 150.0);
    b.cs.port = saipan;
    b.tray.UpdateClockIcon();
    EXPECT_TRUE(sameMinute(b.tide.levelAsked, DateTime(2026, 12, 8, 4, 13)));

    // The alerts look at the port's minutes.
    b.tray.tick();
    EXPECT_EQ(b.tide.alertDaysSolved, 1);
}

// Sets the C runtime's time zone from a POSIX TZ text, or clears it.
void setTimeZone(const char* tz) {
#ifdef _WIN32
    _putenv_s("TZ", tz ? tz : "");
    _tzset();
#else
    if (tz) setenv("TZ", tz, 1);
    else unsetenv("TZ");
    tzset();
#endif
}

TEST(ZoneTime, OnAJstMachineBothClocksAgree) {
    const char* saved = std::getenv("TZ");
    const std::string old = saved ? saved : "";
    SystemClock clock;
    setTimeZone("JST-9");
    DateTime local = clock.now(), port = clock.zoneNow(135);
    if (!sameMinute(local, port)) local = clock.now(), port = clock.zoneNow(135);  // a minute turned between
    EXPECT_TRUE(sameMinute(local, port));
    setTimeZone("PST8");
    local = clock.now(), port = clock.zoneNow(135);
    if (local.minute != port.minute) local = clock.now(), port = clock.zoneNow(135);
    EXPECT_EQ((port.hour - local.hour + 24) % 24, 17);
    setTimeZone(saved ? old.c_str() : nullptr);
}

TEST(TrayIcons, UnknownStoredModeStillShowsAnIcon) {
    Bench b(42, false);
    b.tray.AddDateIcons();
    ASSERT_EQ(b.shell.calls.size(), 1u);
    EXPECT_EQ(b.images.made[0].mode, kModeMoon);
    b.shell.calls.clear();
    b.tray.DeleteDateIcons();
    EXPECT_EQ(b.shell.ids('D'), std::vector<int>{1});
}

TEST(Lifecycle, SplashEndAddsIconsAndStartsTheTick) {
    Bench b(kModeThreeIcons, false, true, 1);
    b.tray.start();
    b.tray.finishSplash();
    EXPECT_EQ(b.shell.ids('A'), (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ(b.timer.periods, std::vector<int>{5000});

    b.shell.calls.clear();
    b.tray.readdAllIcons();  // "TaskbarCreated"
    EXPECT_EQ(b.shell.ids('A'), (std::vector<int>{1, 2, 3, 0}));

    b.shell.calls.clear();
    b.tray.refreshIcons();
    EXPECT_EQ(b.shell.ids('D'), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(b.shell.ids('A'), (std::vector<int>{1, 2, 3, 0}));

    b.shell.calls.clear();
    b.tray.shutdown();
    EXPECT_EQ(b.shell.ids('D'), (std::vector<int>{1, 2, 3, 0}));
    EXPECT_FALSE(b.timer.on);
    EXPECT_FALSE(b.cs.settings.IsVirgin);
}

TEST(Lifecycle, MidnightWithoutClockOrAlertsChangesTheDateWithinSeconds) {
    Bench b(kModeDay, false);
    b.clock.set(2007, 3, 7, 23, 49);
    b.tray.start();
    b.tray.finishSplash();
    EXPECT_EQ(b.timer.periods.back(), 600000);
    b.clock.set(2007, 3, 7, 23, 59);
    b.tray.tick();
    EXPECT_EQ(b.timer.periods.back(), 5000);
    b.shell.calls.clear();
    b.clock.set(2007, 3, 8, 0, 0);
    EXPECT_FALSE(b.tray.tick());
    ASSERT_EQ(b.shell.calls.size(), 1u);
    EXPECT_EQ(b.shell.calls[0].action, 'M');
    EXPECT_EQ(b.shell.calls[0].tip, "2007/3/8(木) 潮8");
    // The next tick of the new day goes back to hourly.
    b.shell.calls.clear();
    b.tray.tick();
    EXPECT_TRUE(b.shell.calls.empty());
    EXPECT_EQ(b.timer.periods.back(), 3600000);
}

TEST(Lifecycle, ClockIconRedrawsOnceAMinuteAndAlertsAreCheckedOnNewMinutes) {
    Bench b(kModeDay, false, true, 1);
    b.clock.set(2007, 3, 7, 10, 0);
    b.tray.start();
    b.tray.finishSplash();
    b.shell.calls.clear();
    EXPECT_FALSE(b.tray.tick());  // same minute: nothing
    EXPECT_TRUE(b.shell.calls.empty());
    b.clock.set(2007, 3, 7, 10, 1);
    EXPECT_TRUE(b.tray.tick());
    EXPECT_EQ(b.shell.ids('M'), std::vector<int>{0});
    EXPECT_EQ(b.tray.lastTick().minute, 1);
    b.shell.calls.clear();
    b.clock.set(2007, 3, 8, 0, 0);
    EXPECT_TRUE(b.tray.tick());
    EXPECT_EQ(b.shell.ids('M'), (std::vector<int>{1, 0}));
}

TEST(Lifecycle, SettingTheClockRedrawsAtOnce) {
    Bench b(kModeTwoIcons, false, true);
    b.tray.start();
    b.clock.set(2007, 5, 1, 8, 0);
    b.tray.timeChanged();
    EXPECT_EQ(b.shell.ids('M'), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(b.timer.periods.back(), 5000);
    b.shell.calls.clear();
    b.clock.set(2007, 5, 1, 9, 0);  // same day: only the clock
    b.tray.timeChanged();
    EXPECT_EQ(b.shell.ids('M'), std::vector<int>{0});
}

TEST(Lifecycle, WakingFromSleepPastMidnightRedrawsAtOnce) {
    // Without the clock icon and alerts the tick is hourly; a machine put to
    // sleep at 22:10 and woken at 3:00 the next day must not wait for it.
    Bench b(kModeDay, false);
    b.clock.set(2007, 3, 7, 22, 10);
    b.tray.start();
    b.tray.finishSplash();
    EXPECT_EQ(b.timer.periods.back(), 3600000);
    b.shell.calls.clear();
    b.clock.set(2007, 3, 8, 3, 0);
    b.tray.resumedFromSleep();
    EXPECT_EQ(b.shell.ids('M'), std::vector<int>{1});
    EXPECT_EQ(b.tray.lastTick().day, 8);
    EXPECT_EQ(b.timer.periods.size(), 2u);  // rescheduled from the new time
}

TEST(Lifecycle, ConfirmedSettingsRebuildOnlyWhatChanged) {
    Bench b(kModeWeek, false, true);
    b.tray.finishSplash();
    b.shell.calls.clear();
    AppSettings edited = b.cs.settings;
    edited.TrayIcon = kModeTwoIcons;
    edited.Snd = 0;
    testing::RecordingAlerts alerts;
    alerts.soundOn = true;
    b.tray.setAlertSink(&alerts);
    b.tray.applySettings(edited, DefaultRules(), ChangeMarks{false, true});
    EXPECT_EQ(b.shell.ids('D'), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(b.shell.ids('A'), (std::vector<int>{1, 2, 0}));
    EXPECT_FALSE(alerts.soundOn);

    b.shell.calls.clear();
    edited = b.cs.settings;
    edited.ColLong = 0x00ff00;
    b.tray.applySettings(edited, DefaultRules(), ChangeMarks{true, false});
    EXPECT_EQ(b.shell.ids('D'), std::vector<int>{0});
    EXPECT_EQ(b.shell.ids('A'), std::vector<int>{0});

    b.shell.calls.clear();
    edited = b.cs.settings;
    edited.YH = 300;  // nothing on the icons
    b.tray.applySettings(edited, RuleList(), ChangeMarks{});
    EXPECT_TRUE(b.shell.calls.empty());
    EXPECT_EQ(b.cs.settings.RuleN, 0);
}

TEST(Lifecycle, RefusedIconsAreAskedForAgainWithABackOffThenOnATaskbarRestart) {
    // The waits double from 1 s, at most 64 s apart, for five minutes:
    // 1+2+4+8+16+32+64+64+64 = 255 s; another 64 s would pass 300 s.
    IconAddRetry schedule;
    schedule.added(3, false);
    std::vector<int> waits;
    while (const std::optional<int> w = schedule.nextDelayMs()) waits.push_back(*w / 1000);
    EXPECT_EQ(waits, (std::vector<int>{1, 2, 4, 8, 16, 32, 64, 64, 64}));

    Bench b(kModeTwoIcons, false, true);
    RecordingTimer retry;
    b.tray.setRetryTimer(&retry);
    b.shell.ready = false;  // signing in: the shell refuses every icon
    b.tray.finishSplash();
    EXPECT_EQ(b.tray.missingIcons(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(retry.periods, std::vector<int>{1000});  // one timer for all three
    b.tray.retryMissingIcons();
    EXPECT_EQ(retry.periods, (std::vector<int>{1000, 2000}));
    b.shell.ready = true;
    b.shell.calls.clear();
    b.tray.retryMissingIcons();
    EXPECT_EQ(b.shell.ids('A'), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(b.tray.missingIcons().empty());
    EXPECT_FALSE(retry.running());

    // Refused for good: the schedule gives up, a restarted taskbar starts a
    // fresh one; deleted icons are no longer asked for.
    b.shell.ready = false;
    b.tray.refreshIcons();
    for (int i = 0; i < 12; ++i) b.tray.retryMissingIcons();
    EXPECT_FALSE(retry.running());
    EXPECT_EQ(b.tray.missingIcons().size(), 3u);
    retry.periods.clear();
    b.tray.readdAllIcons();
    EXPECT_EQ(retry.periods, std::vector<int>{1000});
    b.tray.DeleteDateIcons();
    EXPECT_EQ(b.tray.missingIcons(), std::vector<int>{0});
    b.tray.shutdown();
    EXPECT_FALSE(retry.running());
}

TEST(Clicks, MousePopDecidesWhichButtonOpensTheMenu) {
    for (int32_t pop : {0, 1, 2, 7}) {
        Bench b(kModeDay, false);
        b.cs.settings.MousePop = pop;
        const bool left = pop == 1 || pop == 2, right = pop == 0 || pop == 2 || pop == 7;
        EXPECT_EQ(b.tray.trayMouse(1, kMouseLeftUp) == TrayClick::OpenMenu, left) << pop;
        EXPECT_EQ(b.tray.trayMouse(1, kMouseRightUp) == TrayClick::OpenMenu, right) << pop;
        EXPECT_EQ(b.tray.trayMouse(1, kMouseLeftDoubleClick), TrayClick::OpenDateTimeSettings);
        EXPECT_EQ(b.tray.trayMouse(1, 0x0200), TrayClick::None);  // mouse move
        b.tray.setPopupsEnabled(false);
        EXPECT_EQ(b.tray.trayMouse(1, kMouseLeftUp), TrayClick::None);
        EXPECT_EQ(b.tray.trayMouse(1, kMouseRightUp), TrayClick::None);
        EXPECT_EQ(b.tray.trayMouse(1, kMouseLeftDoubleClick), TrayClick::OpenDateTimeSettings);
        // The keyboard opens it whichever button the mouse would need, but
        // not while the settings dialog or the About box is open.
        EXPECT_EQ(b.tray.trayKey(1), TrayClick::None);
        b.tray.setPopupsEnabled(true);
        EXPECT_EQ(b.tray.trayKey(1), TrayClick::OpenMenu) << pop;
    }
}

TEST(Clicks, WeekModeSelectsTheClickedDayInBothOrders) {
    // Wednesday 7 March 2007: Saturday is three days on.
    Bench normal(kModeWeek, false);
    normal.tray.trayMouse(7, kMouseRightUp);
    EXPECT_EQ(normal.tray.menu().dayOffset(), 3);
    normal.tray.trayMouse(1, kMouseRightUp);
    EXPECT_EQ(normal.tray.menu().dayOffset(), -3);
    normal.tray.trayMouse(0, kMouseRightUp);  // the clock icon: today
    EXPECT_EQ(normal.tray.menu().dayOffset(), 0);

    Bench reverse(kModeWeek, true);
    reverse.tray.trayMouse(1, kMouseRightUp);  // Saturday is icon 1
    EXPECT_EQ(reverse.tray.menu().dayOffset(), 3);
    reverse.tray.trayMouse(7, kMouseRightUp);  // Sunday icon 7
    EXPECT_EQ(reverse.tray.menu().dayOffset(), -3);
    reverse.tray.trayKey(1);  // Enter on Saturday's icon chooses Saturday too
    EXPECT_EQ(reverse.tray.menu().dayOffset(), 3);
}

TEST(Clicks, PopCalModeReturnsToTodayOtherwiseTheShownDayStays) {
    Bench b(kModeDay, false);
    b.cs.settings.PopCalMode = false;
    for (int i = 0; i < 5; ++i) b.tray.menu().pressStripButton(3);  // five days on
    b.tray.trayMouse(1, kMouseRightUp);
    EXPECT_EQ(b.tray.menu().dayOffset(), 5);
    b.cs.settings.PopCalMode = true;
    b.tray.trayMouse(1, kMouseRightUp);
    EXPECT_EQ(b.tray.menu().dayOffset(), 0);
}

TEST(CalendarStrip, ButtonsAndMonthSteps) {
    const StripFrame at96;
    EXPECT_EQ(calendarStripButton(0, 100, at96), 0);
    EXPECT_EQ(calendarStripButton(99, 100, at96), 4);
    EXPECT_EQ(calendarStripButton(100, 100, at96), -1);
    EXPECT_EQ(calendarStripButton(19, 140, at96), -1);  // margin left of the strip
    EXPECT_EQ(calendarStripButton(60, 140, at96), 2);
    EXPECT_EQ(calendarStripButton(-80, 140, at96), 2);  // menu opened to the left
    // At 150% the strip is 150 pixels of five 30-pixel buttons: in an item
    // 170 wide it starts at 10 and button k covers 10 + 30k .. 39 + 30k.
    const StripFrame at144{144};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(calendarStripButton(10 + 30 * k, 170, at144), k);
        EXPECT_EQ(calendarStripButton(39 + 30 * k, 170, at144), k);
    }
    EXPECT_EQ(calendarStripButton(9, 170, at144), -1);
    EXPECT_EQ(calendarStripButton(160, 170, at144), -1);
    EXPECT_EQ(calendarStripButton(-170 + 55, 170, at144), 1);  // opened to the left

    const DateTime march31(2007, 3, 31);
    EXPECT_EQ(shownDay(march31, dayOffsetAfterStripButton(march31, 0, 0)).day, 28);
    const DateTime jan31(2008, 1, 31);
    const DateTime leap = shownDay(jan31, dayOffsetAfterStripButton(jan31, 0, 4));
    EXPECT_EQ(leap.month, 2);
    EXPECT_EQ(leap.day, 29);
    const DateTime jan15(2007, 1, 15);
    const DateTime back = shownDay(jan15, dayOffsetAfterStripButton(jan15, 0, 0));
    EXPECT_EQ(back.year, 2006);
    EXPECT_EQ(back.month, 12);
    EXPECT_EQ(back.day, 15);
    EXPECT_EQ(dayOffsetAfterStripButton(jan15, 7, 2), 0);
    EXPECT_EQ(dayOffsetAfterStripButton(jan15, 7, 1), 6);
    EXPECT_EQ(dayOffsetAfterStripButton(jan15, 7, 3), 8);

    Bench b(kModeDay, false);
    EXPECT_FALSE(b.tray.menu().calendarStrip(500, 100, 96));
    EXPECT_TRUE(b.tray.menu().calendarStrip(70, 100, 96));
    EXPECT_EQ(b.tray.menu().dayOffset(), 1);
}

TEST(Commands, PortCommandsSelectOnlyPortsOfTheTable) {
    Bench b(kModeDay, false);
    EXPECT_TRUE(b.tray.selectPort(58003));
    EXPECT_EQ(b.cs.port, PortAddress::at(80, 2));
    EXPECT_FALSE(b.tray.selectPort(50000));  // no port 0-1
    EXPECT_FALSE(b.tray.selectPort(58004));  // group 80 has three ports
    EXPECT_FALSE(b.tray.selectPort(1134));
    EXPECT_EQ(b.cs.port, PortAddress::at(80, 2));
}

TEST(Commands, GraphSizeToggle) {
    Bench b(kModeDay, false);
    b.cs.settings.GraphSizeSet = 2;
    b.cs.settings.IsBig = true;
    b.tray.toggleGraphSize();
    EXPECT_EQ(b.cs.graphScale(), 1);
    b.tray.toggleGraphSize();
    EXPECT_EQ(b.cs.graphScale(), 3);
}

TEST(Commands, HighLowTextHasFourLinesEachEndedByALineFeed) {
    const std::vector<HighLowEntry> three = {{0, 5, 7, 151.4}, {1, 11, 30, -2.6}, {0, 17, 59, 98.0}};
    EXPECT_EQ(highLowText(three), "H  5:07 151\nL 11:30  -3\nH 17:59  98\n\n");
    const std::vector<HighLowEntry> withNone = {{2, 99, 0, 0}, {1, 0, 0, 1000}};
    EXPECT_EQ(highLowText(withNone), "\nL  0:00 1000\n\n\n");
}

TEST(Commands, PortChooserTitleNamesTheTablesPort) {
    EXPECT_EQ(portChooserTitle("田子の浦"), "場所設定(田子の浦)");
    EXPECT_EQ(portChooserTitle("白浜／伊豆"), "場所設定(白浜／伊豆)");
}

TEST(DateFormat, PatternsOfTheTooltips) {
    const DateTime d(2007, 3, 1, 0, 5);
    EXPECT_EQ(formatDatePattern("yyyy'/'M'/'d'('ddd')'", d), "2007/3/1(木)");
    EXPECT_EQ(formatDatePattern("d'日('ddd')'", d), "1日(木)");
    EXPECT_EQ(formatDatePattern("tt h' 時 'mm' 分'", d), "午前 12 時 05 分");
    EXPECT_EQ(formatDatePattern("tt h' 時 'mm' 分'", DateTime(2007, 3, 1, 23, 59)), "午後 11 時 59 分");
    EXPECT_EQ(formatDatePattern("yy/MM/dd HH:mm", d), "07/03/01 00:05");
}

}  // namespace
}  // namespace marilo
