#include "engine/tide_day.h"
#include "tests/port_at.h"

#include <gtest/gtest.h>

#include <cmath>

namespace marilo {
namespace {

TideDay solve(int group, int index, int y, int mo, int d, int h = 0, int mi = 0) {
    return TideDay(portAt(group, index), DateTime(y, mo, d, h, mi));
}

void expectSlot(const TideExtreme& x, int hour, int minute, double level, int kind) {
    EXPECT_EQ(x.hour, hour);
    EXPECT_EQ(x.minute, minute);
    EXPECT_NEAR(x.level, level, 0.05);
    EXPECT_EQ(x.kind, kind);
}

TEST(TideDay, DefaultPortEleventhOfJanuary2024) {
    const TideDay t = solve(22, 13, 2024, 1, 11, 12, 0);
    EXPECT_STREQ(t.portName, "田子の浦");
    EXPECT_DOUBLE_EQ(t.meanLevel, 97);
    EXPECT_DOUBLE_EQ(t.upperLevel, 137.73);
    EXPECT_DOUBLE_EQ(t.zoneMeridian, 135);

    expectSlot(t.extremes[0], 6, 12, 154.5, kHighWater);
    expectSlot(t.extremes[1], 11, 33, 89.5, kLowWater);
    expectSlot(t.extremes[2], 16, 35, 145.6, kHighWater);
    expectSlot(t.extremes[3], 23, 41, -16.7, kLowWater);
    EXPECT_TRUE(t.extremes[4].empty());
    EXPECT_EQ(t.extremes[4].kind, kUnclassified);

    EXPECT_NEAR(t.levelNow, 90.6, 0.05);
    EXPECT_NEAR(t.rateNow, 0.077, 0.0005);
    EXPECT_NEAR(t.moonAge, 29.14, 0.005);
    EXPECT_STREQ(t.tideName, "大潮");
    EXPECT_STREQ(t.phaseName, " 朔 ");
    EXPECT_EQ(t.phaseNumber, 5);
}

TEST(TideDay, RefinedTimesBeforeTruncation) {
    // Re-run the scan by hand to see the refined times themselves.
    const TideDay t = solve(22, 13, 2024, 1, 11);
    ExtremeDetector detector;
    double found[4];
    int n = 0;
    for (int m = -100; m < 1860 && n < 4; m += 20) {
        double time = m, level = t.levelAt(m / 60.0);
        if (detector.refineExtreme(time, level)) found[n++] = time;
    }
    ASSERT_EQ(n, 4);
    EXPECT_NEAR(found[0], 372.50, 0.005);
    EXPECT_NEAR(found[1], 693.40, 0.005);
    EXPECT_NEAR(found[2], 995.08, 0.005);
    EXPECT_NEAR(found[3], 1421.63, 0.005);
}

TEST(TideDay, SixTurningPointsFillFiveSlots) {
    const TideDay t = solve(22, 13, 2024, 7, 7);
    EXPECT_EQ(t.extremes[0].hour * 100 + t.extremes[0].minute, 6);
    EXPECT_EQ(t.extremes[0].kind, kLowWater);
    EXPECT_EQ(t.extremes[1].hour * 100 + t.extremes[1].minute, 508);
    EXPECT_EQ(t.extremes[1].kind, kHighWater);
    EXPECT_EQ(t.extremes[2].hour * 100 + t.extremes[2].minute, 1213);
    EXPECT_EQ(t.extremes[2].kind, kLowWater);
    EXPECT_EQ(t.extremes[3].hour * 100 + t.extremes[3].minute, 1922);
    EXPECT_EQ(t.extremes[3].kind, kHighWater);
    EXPECT_EQ(t.extremes[4].hour * 100 + t.extremes[4].minute, 2445);
    EXPECT_EQ(t.extremes[4].kind, kUnclassified);
    EXPECT_NEAR(t.moonAge, 1.17, 0.01);
    EXPECT_STREQ(t.tideName, "大潮");
}

TEST(TideDay, TurningPointsAreOrderedAndTheRateTurnsWithThem) {
    // Over a year at two ports: slots in time order, after 0:00, alternating
    // within the date, and the rate changes sign across each turning point.
    for (int row : {1, 149}) {
        const int group = row == 1 ? 1 : 22, index = row == 1 ? 0 : 13;
        DateTime d(2025, 1, 1);
        for (int day = 0; day < 365; ++day, d.nextDay()) {
            const TideDay t(portAt(group, index), d);
            int previous = 0;
            for (int s = 0; s < kExtremeSlots && !t.extremes[s].empty(); ++s) {
                const TideExtreme& x = t.extremes[s];
                ASSERT_GT(x.minutes(), previous - (s == 0 ? 1 : 0));
                ASSERT_LT(x.minutes(), 1811);
                previous = x.minutes();
                if (s >= 2 && x.hour < 24) {
                    ASSERT_NE(x.kind, t.extremes[s - 1].kind);
                }
                const double before = t.levelAt((x.minutes() - 15) / 60.0);
                const double after = t.levelAt((x.minutes() + 16) / 60.0);
                if (x.kind == kHighWater) {
                    ASSERT_TRUE(before < x.level + 0.05 && after < x.level + 0.05);
                }
                if (x.kind == kLowWater) {
                    ASSERT_TRUE(before > x.level - 0.05 && after > x.level - 0.05);
                }
            }
        }
    }
}

TEST(TideDay, KindsFollowTheLevelNotTheFirstPair) {
    // Kobe opens 26 June 2026 with a stand: a high and a low water two
    // minutes apart and a millimetre apart in level, then the double high
    // of Osaka Bay. Every turning point keeps the kind of its own shape.
    const TideDay t = solve(28, 8, 2026, 6, 26);
    ASSERT_STREQ(t.portName, "神戸");
    const int kinds[] = {kHighWater, kLowWater, kHighWater, kLowWater, kHighWater};
    for (int s = 0; s < kExtremeSlots; ++s) {
        ASSERT_FALSE(t.extremes[s].empty()) << s;
        EXPECT_EQ(t.extremes[s].kind, kinds[s]) << s;
    }
    EXPECT_EQ(t.extremes[3].hour, 11);
    EXPECT_LT(t.extremes[3].level, 50);

    // Across every seventh port for a month: a classified high water stands
    // above its classified neighbours and a low water below them (within
    // the millimetre that the interpolated levels of a stand can cross by).
    DateTime d(2026, 6, 1);
    for (int day = 0; day < 30; ++day, d.nextDay()) {
        for (int row = 0; row < kPortCount; row += 7) {
            const TideDay u(*PortAddress::ofRow(row), d);
            for (int s = 1; s < kExtremeSlots; ++s) {
                const TideExtreme &a = u.extremes[s - 1], &b = u.extremes[s];
                if (a.kind == kUnclassified || b.kind == kUnclassified) continue;
                ASSERT_NE(a.kind, b.kind) << row << " " << d.month << "/" << d.day << " slot " << s;
                const double rise = b.level - a.level;
                ASSERT_TRUE(a.kind == kHighWater ? rise < 0.1 : rise > -0.1) << row << " slot " << s;
            }
        }
    }
}

TEST(TideDay, ZoneTimeOfJapanIsJstEverywhere) {
    // Hokkaido's east, the Sakishima islands and the Senkaku all keep JST;
    // the ports abroad use the meridian nearest their longitude.
    for (int g : {0, 1, 47}) {
        for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(solve(g, g == 0 ? 0 : i, 2024, 1, 1).zoneMeridian, 135) << g;
    }
    EXPECT_DOUBLE_EQ(solve(47, 34, 2024, 1, 1).zoneMeridian, 135);   // 魚釣島
    EXPECT_DOUBLE_EQ(solve(80, 2, 2024, 1, 1).zoneMeridian, 165);    // ポナペ, 158°13′ E
    EXPECT_STREQ(solve(80, 2, 2024, 1, 1).portName, "ポナペ");
}

TEST(TideDay, APortIsAlwaysWholeAfterSetPort) {
    // Switching ports takes the record, the group and the zone together: from
    // ポナペ (UTC+11) back to a Japanese port and again to ポナペ gives the
    // same first turning point as solving ポナペ afresh.
    TideDay t = solve(80, 2, 2024, 1, 11);
    const TideExtreme first = t.extremes[0];
    EXPECT_DOUBLE_EQ(t.zoneMeridian, 165);
    t.setPort(portAt(1, 0));
    EXPECT_STREQ(t.portName, "稚内");
    EXPECT_DOUBLE_EQ(t.meanLevel, 18);
    EXPECT_DOUBLE_EQ(t.zoneMeridian, 135);
    t.setPort(portAt(80, 2));
    EXPECT_EQ(t.extremes[0].minutes(), first.minutes());
    EXPECT_EQ(t.address(), portAt(80, 2));
}

TEST(Stages, DefaultPortEleventhOfJanuary2024) {
    TideDay t = solve(22, 13, 2024, 1, 11);
    t.computeStages();
    auto hm = [](int h, int m) { return h * 100 + m; };
    EXPECT_EQ(hm(t.extremes[0].stage30Hour, t.extremes[0].stage30Minute), 808);
    EXPECT_EQ(hm(t.extremes[0].stage70Hour, t.extremes[0].stage70Minute), 933);
    EXPECT_EQ(hm(t.extremes[1].stage30Hour, t.extremes[1].stage30Minute), 1327);
    EXPECT_EQ(hm(t.extremes[1].stage70Hour, t.extremes[1].stage70Minute), 1447);
    EXPECT_EQ(hm(t.extremes[2].stage30Hour, t.extremes[2].stage30Minute), 1922);
    EXPECT_EQ(hm(t.extremes[2].stage70Hour, t.extremes[2].stage70Minute), 2112);
    // The last low water's next turning point lies past the window, so the
    // share is measured against the next day's first high water.
    ASSERT_NE(t.extremes[3].stage30Hour, kNoHour);
    EXPECT_GE(t.extremes[3].stage30Hour, 24);
    EXPECT_EQ(t.extremes[4].stage30Hour, kNoHour);
    EXPECT_EQ(t.extremes[4].stage70Hour, kNoHour);
}

TEST(Stages, LastTurningPointMeasuresAgainstTheNextDay) {
    // Against the following day's first turning point, the 70% moment falls
    // where the level has covered 70% of that way, independently checked.
    TideDay t = solve(22, 13, 2024, 1, 11);
    t.computeStages();
    DateTime next(2024, 1, 12);
    const TideDay tomorrow(portAt(22, 13), next);
    const TideExtreme& last = t.extremes[3];
    const double target = tomorrow.extremes[0].level;
    const int m70 = last.stage70Hour * 60 + last.stage70Minute;
    auto share = [&](int m) { return (last.level - t.levelAt(m / 60.0)) / (last.level - target); };
    EXPECT_GT(share(m70), 0.7);
    EXPECT_LE(share(m70 - 1), 0.7);
}

TEST(Stages, NothingAfterAnUnclassifiedSlot) {
    TideDay t = solve(22, 13, 2024, 7, 7);
    t.computeStages();
    EXPECT_NE(t.extremes[3].stage70Hour, kNoHour);
    EXPECT_EQ(t.extremes[4].stage30Hour, kNoHour);
    for (const TideExtreme& x : t.extremes)
        if (x.stage70Hour != kNoHour) {
            EXPECT_LT(x.stage70Hour * 60 + x.stage70Minute, 1800);
        }
}

}  // namespace
}  // namespace marilo
