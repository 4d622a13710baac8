// The tray controller's alerts: the scheduler on each new minute, late ticks
// caught up, the three days solved once a day, the sound handed over.
#include <gtest/gtest.h>

#include "app/tray_controller.h"
#include "tests/port_at.h"
#include "tray_doubles.h"

namespace marilo {
namespace {

struct Rig {
    ControllerSettings cs;
    testing::RecordingShell shell;
    testing::RecordingImages images;
    testing::RecordingTimer timer;
    testing::SettableClock clock;
    testing::FakeTide tide;
    testing::RecordingAlerts alerts;
    TrayController tray{cs, shell, images, timer, clock, tide};

    Rig() {
        cs.settings.TrayIcon = kModeDay;
        cs.settings.Alert = 1;
        cs.settings.STP = 1;
        cs.settings.PreTime = 0;
        // Turning points today at 10:02, 10:04 and 10:20.
        TideExtreme* t = tide.days.today;
        t[0].hour = 10, t[0].minute = 2, t[0].kind = kHighWater;
        t[1].hour = 10, t[1].minute = 4, t[1].kind = kLowWater;
        t[2].hour = 10, t[2].minute = 20, t[2].kind = kHighWater;
        tray.setAlertSink(&alerts);
        clock.set(2024, 5, 1, 10, 0);
        tray.start();
    }
    std::vector<std::string> times() const {
        std::vector<std::string> out;
        for (const Alert& a : alerts.shown) out.push_back(a.time);
        return out;
    }
};

TEST(TrayAlerts, LateTicksCatchUpSkippedMinutesOnceAndInOrder) {
    Rig r;
    r.tray.tick();
    r.clock.set(2024, 5, 1, 10, 5);  // four minutes skipped
    EXPECT_TRUE(r.tray.tick());
    EXPECT_EQ(r.times(), (std::vector<std::string>{"★10:02　", "★10:04　"}));
    EXPECT_FALSE(r.tray.tick());  // the same minute again: nothing more
    r.clock.set(2024, 5, 1, 10, 30);  // a long sleep: 10:20 is not caught up
    r.tray.tick();
    EXPECT_EQ(r.alerts.shown.size(), 2u);

    // A clock set back a little re-checks nothing; set back further it
    // starts again from the present minute, and late ticks catch up.
    r.clock.set(2024, 5, 1, 10, 27);
    r.tray.timeChanged();
    r.tray.tick();
    r.clock.set(2024, 5, 1, 10, 18);
    r.tray.timeChanged();
    r.tray.tick();
    r.clock.set(2024, 5, 1, 10, 21);
    r.tray.tick();
    EXPECT_EQ(r.times().back(), "★10:20　");
    EXPECT_EQ(r.alerts.shown.size(), 3u);
}

TEST(TrayAlerts, SettingsAreReadEachMinuteAndDaysSolvedOncePerDateAndPort) {
    Rig r;
    r.cs.settings.Alert = 0;  // off: minutes pass unchecked, and are not caught up later
    r.clock.set(2024, 5, 1, 10, 2);
    r.tray.tick();
    r.cs.settings.Alert = 1;
    r.cs.settings.PreTime = 3;  // 30 minutes ahead, read at the next run
    r.cs.settings.STP = 0;
    r.cs.settings.DN3 = 1;
    r.tide.days.today[2].stage30Hour = 10, r.tide.days.today[2].stage30Minute = 33;
    for (int m = 3; m <= 59; ++m) {
        r.clock.set(2024, 5, 1, 10, m);
        r.tray.tick();
    }
    EXPECT_EQ(r.times(), std::vector<std::string>{"→10:33　"});
    EXPECT_EQ(r.alerts.shown[0].message, "下げ３分まで");
    EXPECT_EQ(r.tide.alertDaysSolved, 1);
    ASSERT_TRUE(r.tray.selectPort(portAt(1, 0).commandId()));
    r.clock.set(2024, 5, 1, 11, 0);
    r.tray.tick();
    EXPECT_EQ(r.tide.alertDaysSolved, 2);
    r.clock.set(2024, 5, 2, 0, 0);
    r.tray.tick();
    EXPECT_EQ(r.tide.alertDaysSolved, 3);

    // Without a taskbar the alert is not shown; the next one is.
    r.alerts.taskbar = false;
    r.cs.settings.STP = 1;
    r.cs.settings.PreTime = 0;
    r.clock.set(2024, 5, 2, 10, 2);
    EXPECT_EQ(r.tray.AlertScheduler(r.clock.now()), 0);
}

struct SettableUserState : UserStateSource {
    int32_t userNotificationState() override { return state; }
    int32_t state = 5;
};

TEST(TrayAlerts, ABusyUserGetsTheBlinkAndTheAlertWhenBackWithinTheHour) {
    Rig r;
    SettableUserState user;
    r.tray.setUserState(&user);
    user.state = 3;  // a full-screen game
    r.clock.set(2024, 5, 1, 10, 2);
    r.tray.tick();
    EXPECT_TRUE(r.alerts.shown.empty());
    EXPECT_EQ(r.alerts.blinks, 1);
    user.state = 5;
    r.clock.set(2024, 5, 1, 10, 3);
    r.tray.tick();
    EXPECT_EQ(r.times(), std::vector<std::string>{"★10:02　"});  // its own time, a minute late

    // Busy past the hour: the blink was all.
    user.state = 4;
    r.clock.set(2024, 5, 1, 10, 4);
    r.tray.tick();
    EXPECT_EQ(r.alerts.blinks, 2);
    r.clock.set(2024, 5, 1, 11, 4);  // a long gap: 10:20 is not caught up
    r.tray.tick();
    user.state = 5;
    r.clock.set(2024, 5, 1, 11, 5);
    r.tray.tick();
    EXPECT_EQ(r.alerts.shown.size(), 1u);
    EXPECT_EQ(r.alerts.blinks, 2);

    // Alerts turned off while one waits: it never comes.
    user.state = 2;
    r.clock.set(2024, 5, 2, 10, 2);
    r.tray.tick();
    EXPECT_EQ(r.alerts.blinks, 3);
    r.cs.settings.Alert = 0;
    r.clock.set(2024, 5, 2, 10, 3);
    r.tray.tick();
    r.cs.settings.Alert = 1;
    user.state = 5;
    r.clock.set(2024, 5, 2, 10, 5);  // 10:04 is checked and accepted; 10:02 never comes
    r.tray.tick();
    EXPECT_EQ(r.times().back(), "★10:04　");
    EXPECT_EQ(r.alerts.shown.size(), 2u);

    // QuietBusy off: shown whatever the state.
    r.cs.settings.QuietBusy = 0;
    user.state = 2;
    r.clock.set(2024, 5, 3, 10, 2);
    r.tray.tick();
    EXPECT_EQ(r.times().back(), "★10:02　");
}

TEST(TrayAlerts, SoundFollowsSndAfterLoadingAndAfterTheSettingsDialog) {
    Rig r;
    r.cs.settings.Snd = 1;
    r.tray.handOverSound();
    EXPECT_TRUE(r.alerts.soundOn);
    AppSettings edited = r.cs.settings;
    edited.Snd = 0;
    r.tray.applySettings(edited, DefaultRules(), ChangeMarks{});
    EXPECT_FALSE(r.alerts.soundOn);
}

}  // namespace
}  // namespace marilo
