#include "alerts/alert_scheduler.h"

#include <gtest/gtest.h>

#include <tuple>

namespace marilo {
namespace {

struct Slot {
    int hour, minute, kind;
    int s30h = kNoHour, s30m = 0, s70h = kNoHour, s70m = 0;
};

void put(TideExtreme (&day)[kExtremeSlots], int i, const Slot& s) {
    day[i].hour = s.hour;
    day[i].minute = s.minute;
    day[i].kind = s.kind;
    day[i].stage30Hour = s.s30h;
    day[i].stage30Minute = s.s30m;
    day[i].stage70Hour = s.s70h;
    day[i].stage70Minute = s.s70m;
}

AlertChoice choose(bool stp, bool up3, bool up7, bool dn3, bool dn7, int32_t preTime) {
    return {stp, up3, up7, dn3, dn7, preTime};
}

Alert alert(const char* message, const char* remainder, const char* time, AlertKind kind) {
    return {message, remainder, time, kind};
}

TEST(Scheduler, AtTheMomentAndAheadOfIt) {
    AlertDays d;
    put(d.today, 0, {3, 50, kLowWater});
    put(d.today, 1, {8, 0, kHighWater, 9, 40, 11, 5});
    put(d.today, 2, {14, 7, kLowWater});
    const AlertChoice stp = choose(true, false, false, false, false, 0);
    EXPECT_EQ(scheduleAlert(d, stp, 14, 7), alert("下げ止まりに", "なりました。", "★14:07　", kAlertSlack));
    EXPECT_FALSE(scheduleAlert(d, stp, 14, 6));
    EXPECT_FALSE(scheduleAlert(d, stp, 14, 8));
    d.today[2].kind = kHighWater;
    EXPECT_EQ(scheduleAlert(d, stp, 14, 7), alert("上げ止まりに", "なりました。", "★14:07　", kAlertSlack));

    const AlertChoice dn3 = choose(false, false, false, true, false, 2);  // 15 minutes ahead
    EXPECT_EQ(scheduleAlert(d, dn3, 9, 25), alert("下げ３分まで", "あと１５分です。", "→09:40　", kAlertFalling));
    EXPECT_FALSE(scheduleAlert(d, dn3, 9, 40));
    EXPECT_FALSE(scheduleAlert(d, choose(false, true, true, false, false, 2), 9, 25));  // a fall is no rise
    const AlertChoice dn7 = choose(false, false, false, false, true, 4);
    EXPECT_EQ(scheduleAlert(d, dn7, 10, 5), alert("下げ７分まで", "あと１時間です。", "→11:05　", kAlertFalling));
}

TEST(Scheduler, LeadTimesAndAStoredPreTimeOutOfRange) {
    AlertDays d;
    put(d.today, 0, {12, 0, kLowWater, 14, 0, 16, 0});
    const char* remainders[] = {"なりました。",    "あと５分です。",   "あと１５分です。", "あと３０分です。",
                                "あと１時間です。", "あと２時間です。", "あと３時間です。"};
    const int leads[] = {0, 5, 15, 30, 60, 120, 180};
    for (int32_t p = 0; p < kLeadTimeCount; ++p) {
        const int at = 14 * 60 - leads[p];
        const std::optional<Alert> a = scheduleAlert(d, choose(false, true, false, false, false, p), at / 60, at % 60);
        ASSERT_TRUE(a) << p;
        EXPECT_EQ(a->remainder, remainders[p]);
        EXPECT_EQ(a->message, p == 0 ? "上げ３分に" : "上げ３分まで");
        EXPECT_EQ(a->time, p == 0 ? "★14:00　" : "→14:00　");
        EXPECT_EQ(preTimeOfLead(leads[p]), p);
    }
    EXPECT_FALSE(preTimeOfLead(10));
    // Only an edited store holds these: they count as the moment itself.
    for (int32_t p : {7, -1, 1000})
        EXPECT_EQ(scheduleAlert(d, choose(false, true, false, false, false, p), 14, 0),
                  alert("上げ３分に", "なりました。", "★14:00　", kAlertRising));
}

TEST(Scheduler, TargetsOnTheNextDay) {
    AlertDays d;
    put(d.today, 0, {20, 10, kLowWater, 25, 30, 26, 0});
    put(d.tomorrow, 0, {0, 40, kHighWater});
    put(d.tomorrow, 1, {1, 30, kLowWater});
    // Three hours ahead at 22:30: tomorrow's 01:30 low water, found in slot 1.
    EXPECT_EQ(scheduleAlert(d, choose(true, false, false, false, false, 6), 22, 30),
              alert("下げ止まりまで", "あと３時間です。", "→01:30　", kAlertSlack));
    // Today's stage past midnight, counted from today's 0:00 (tomorrow's own
    // solution has no low water before it, which would take its place).
    d.tomorrow[0] = d.tomorrow[1] = AlertDays().tomorrow[0];
    put(d.tomorrow, 0, {4, 10, kHighWater});
    EXPECT_EQ(scheduleAlert(d, choose(false, true, false, false, false, 6), 22, 30),
              alert("上げ３分まで", "あと３時間です。", "→01:30　", kAlertRising));
    EXPECT_EQ(scheduleAlert(d, choose(false, false, true, false, false, 6), 23, 0),
              alert("上げ７分まで", "あと３時間です。", "→02:00　", kAlertRising));
    EXPECT_FALSE(scheduleAlert(d, choose(false, false, true, false, false, 0), 2, 0));  // 26:00 is tomorrow
}

TEST(Scheduler, YesterdaysStagesCountFromItsOwnMidnight) {
    AlertDays d;
    put(d.yesterday, 3, {22, 10, kLowWater, 24, 20, 26, 0});
    put(d.today, 0, {4, 30, kHighWater});
    put(d.today, 1, {10, 40, kLowWater});
    put(d.today, 3, {22, 50, kHighWater});
    EXPECT_EQ(scheduleAlert(d, choose(false, true, false, false, false, 0), 0, 20),
              alert("上げ３分に", "なりました。", "★00:20　", kAlertRising));
    EXPECT_EQ(scheduleAlert(d, choose(false, false, true, false, false, 0), 2, 0),
              alert("上げ７分に", "なりました。", "★02:00　", kAlertRising));
    EXPECT_FALSE(scheduleAlert(d, choose(false, false, false, true, true, 0), 0, 20));  // it was a low water
}

TEST(Scheduler, ATurningPointBothDaysHoldIsAnnouncedOnce) {
    // 網走, 2024-12-06: the low at 00:39 is the day before's 24:39 too, whose
    // 30% rise falls at 29:22, a minute before the day's own 05:23.
    AlertDays d;
    put(d.yesterday, 2, {24, 39, kLowWater, 29, 22});
    put(d.today, 0, {0, 39, kLowWater, 5, 23, 12, 55});
    const AlertChoice up3 = choose(false, true, false, false, false, 0);
    EXPECT_FALSE(scheduleAlert(d, up3, 5, 22));
    EXPECT_EQ(scheduleAlert(d, up3, 5, 23)->time, "★05:23　");
    // The same for a target on the next day, three hours ahead.
    AlertDays e;
    put(e.today, 3, {23, 50, kLowWater, 26, 10});
    put(e.tomorrow, 0, {0, 5, kLowWater, 2, 20});
    const AlertChoice up3Ahead = choose(false, true, false, false, false, 6);
    EXPECT_FALSE(scheduleAlert(e, up3Ahead, 23, 10));
    EXPECT_EQ(scheduleAlert(e, up3Ahead, 23, 20)->time, "→02:20　");
    // 忍路, 2024-02-22: the day before's scan passed over a small double tide
    // near midnight; its fall from 17:40 reaches 30% at 27:48, the day's own
    // high at 00:28 at 04:05.
    AlertDays f;
    put(f.yesterday, 1, {17, 40, kHighWater, 27, 48});
    put(f.today, 0, {0, 28, kHighWater, 4, 5, 6, 15});
    const AlertChoice dn3 = choose(false, false, false, true, false, 0);
    EXPECT_FALSE(scheduleAlert(f, dn3, 3, 48));
    EXPECT_EQ(scheduleAlert(f, dn3, 4, 5)->time, "★04:05　");
    // The solved days announce each of these once.
    for (const auto& [port, date, message] :
         {std::tuple{50103, DateTime(2024, 12, 6), "上げ３分に"}, std::tuple{50111, DateTime(2024, 2, 22), "下げ３分に"}}) {
        int count = 0;
        forEachAlert(*PortAddress::fromCommandId(port), date, 1, choose(true, true, true, true, true, 0),
                     [&](const DateTime& m, const Alert& a) { count += a.message == message && m.hour < 8; });
        EXPECT_EQ(count, 1) << port;
    }
}

TEST(Scheduler, TheHourAfterMidnightIsTomorrowsFirstHour) {
    // Five minutes ahead at 23:58 the target is 24:03, shown as such.
    AlertDays d;
    put(d.today, 0, {3, 0, kLowWater});
    put(d.today, 1, {9, 10, kHighWater});
    put(d.today, 2, {15, 20, kLowWater});
    put(d.today, 3, {21, 30, kHighWater, 24, 3, 26, 40});
    put(d.today, 4, {27, 45, kUnclassified});
    const AlertChoice dn3 = choose(false, false, false, true, false, 1);
    EXPECT_EQ(scheduleAlert(d, dn3, 23, 58), alert("下げ３分まで", "あと５分です。", "→24:03　", kAlertFalling));

    // A turning point at 24:03 is unclassified in today's solution (from the
    // third slot on) but a low water in tomorrow's, which announces it.
    AlertDays e;
    put(e.today, 0, {5, 50, kLowWater});
    put(e.today, 1, {11, 55, kHighWater});
    put(e.today, 2, {18, 0, kLowWater});
    put(e.today, 3, {24, 3, kUnclassified});
    put(e.tomorrow, 0, {0, 3, kHighWater, 0, 50, 3, 40});
    const AlertChoice stp = choose(true, false, false, false, false, 1);
    EXPECT_EQ(scheduleAlert(e, stp, 23, 58), alert("上げ止まりまで", "あと５分です。", "→24:03　", kAlertSlack));
    // So are the stages of that turning point, which only tomorrow's has.
    EXPECT_EQ(scheduleAlert(e, choose(false, false, false, true, false, 4), 23, 50),
              alert("下げ３分まで", "あと１時間です。", "→24:50　", kAlertFalling));
}

TEST(Scheduler, OneAlertAMinuteByOrderOfSlotsAndEvents) {
    AlertDays d;
    put(d.yesterday, 1, {20, 0, kLowWater, 34, 0, 34, 0});
    put(d.today, 0, {4, 0, kHighWater, 7, 0, 10, 0});
    put(d.today, 1, {10, 0, kHighWater, 13, 0, 15, 0});
    put(d.today, 2, {16, 0, kHighWater});
    put(d.today, 4, {10, 30, kLowWater});  // slot 4 is never examined
    const AlertChoice all = choose(true, true, true, true, true, 0);
    // 10:00: slot 0's 70% fall and slot 1's high water: the lower slot wins.
    EXPECT_EQ(scheduleAlert(d, all, 10, 0)->message, "下げ７分に");
    // Within slot 1: slack, then yesterday's rise (34:00), then the rest.
    AlertChoice noDn = all;
    noDn.fall30 = noDn.fall70 = false;
    EXPECT_EQ(scheduleAlert(d, noDn, 10, 0)->message, "上げ止まりに");
    AlertChoice stagesOnly = all;
    stagesOnly.slack = false;
    EXPECT_EQ(scheduleAlert(d, stagesOnly, 10, 0)->message, "下げ７分に");
    stagesOnly.fall70 = false;
    EXPECT_EQ(scheduleAlert(d, stagesOnly, 10, 0)->message, "上げ３分に");  // 30% before 70%
    stagesOnly.rise30 = false;
    EXPECT_EQ(scheduleAlert(d, stagesOnly, 10, 0)->message, "上げ７分に");
    EXPECT_FALSE(scheduleAlert(d, all, 10, 30));
    // An unclassified slot gives no slack water.
    d.today[2].kind = kUnclassified;
    EXPECT_FALSE(scheduleAlert(d, all, 16, 0));
}

TEST(Scheduler, RealDaysOfTheDefaultPort) {
    // 2024-01-11: high 06:12, low 11:33, high 16:35, low 23:41; the falls
    // after the first high water reach 30% at 08:08 and 70% at 09:33.
    std::vector<std::pair<DateTime, Alert>> seen;
    forEachAlert(PortAddress(), DateTime(2024, 1, 11), 1, choose(true, false, false, false, false, 0),
                 [&](const DateTime& m, const Alert& a) { seen.emplace_back(m, a); });
    ASSERT_EQ(seen.size(), 4u);
    const int expected[] = {6 * 60 + 12, 11 * 60 + 33, 16 * 60 + 35, 23 * 60 + 41};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(seen[i].first.minuteOfDay, expected[i]);
        EXPECT_EQ(seen[i].second.message, i % 2 ? "下げ止まりに" : "上げ止まりに");
    }
    const AlertDays days = solveAlertDays(PortAddress(), DateTime(2024, 1, 11, 17, 30));
    EXPECT_EQ(days.date.hour, 0);
    EXPECT_EQ(scheduleAlert(days, choose(false, false, false, true, true, 2), 7, 53),
              alert("下げ３分まで", "あと１５分です。", "→08:08　", kAlertFalling));
    EXPECT_EQ(scheduleAlert(days, choose(false, false, false, true, true, 2), 9, 18)->time, "→09:33　");

    // Every switch off: nothing, whatever the tide; every switch on: the
    // slack waters and the four stages of each turning point over a week.
    int none = 0, all = 0;
    forEachAlert(PortAddress(), DateTime(2024, 7, 5), 7, AlertChoice{},
                 [&](const DateTime&, const Alert&) { ++none; });
    forEachAlert(PortAddress(), DateTime(2024, 7, 5), 7, choose(true, true, true, true, true, 0),
                 [&](const DateTime&, const Alert&) { ++all; });
    EXPECT_EQ(none, 0);
    EXPECT_GT(all, 7 * 3 * 3);
}

TEST(CatchUp, LateTicksCheckUpToFiveSkippedMinutesAndNoneTwice) {
    auto minutes = [](std::optional<DateTime> last, DateTime now) {
        std::vector<int> out;
        for (const DateTime& m : alertMinutesToCheck(last, now)) out.push_back(m.day * 10000 + m.hour * 100 + m.minute);
        return out;
    };
    EXPECT_EQ(minutes(std::nullopt, DateTime(2024, 3, 1, 10, 0)), std::vector<int>{11000});
    EXPECT_EQ(minutes(DateTime(2024, 3, 1, 10, 0), DateTime(2024, 3, 1, 10, 0)), std::vector<int>{});
    EXPECT_EQ(minutes(DateTime(2024, 3, 1, 10, 0), DateTime(2024, 3, 1, 10, 1)), std::vector<int>{11001});
    EXPECT_EQ(minutes(DateTime(2024, 3, 1, 10, 0), DateTime(2024, 3, 1, 10, 6)),
              (std::vector<int>{11001, 11002, 11003, 11004, 11005, 11006}));
    EXPECT_EQ(minutes(DateTime(2024, 3, 1, 10, 0), DateTime(2024, 3, 1, 10, 7)), std::vector<int>{11007});
    EXPECT_EQ(minutes(DateTime(2024, 2, 29, 23, 58), DateTime(2024, 3, 1, 0, 1)),
              (std::vector<int>{292359, 10000, 10001}));
    EXPECT_EQ(minutes(DateTime(2024, 3, 1, 10, 0), DateTime(2024, 3, 2, 10, 0)), std::vector<int>{21000});
    // The clock stepped back: the minutes were checked; set back further, a
    // new start.
    EXPECT_EQ(minutes(DateTime(2024, 3, 1, 10, 0), DateTime(2024, 3, 1, 9, 55)), std::vector<int>{});
    EXPECT_EQ(minutes(DateTime(2024, 3, 1, 10, 0), DateTime(2024, 3, 1, 9, 54)), std::vector<int>{10954});
}

}  // namespace
}  // namespace marilo
