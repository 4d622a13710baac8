#include "engine/tide_month.h"
#include "tests/port_at.h"

#include <gtest/gtest.h>

namespace marilo {
namespace {

TEST(TideMonth, JanuaryTwentyFourAtTheDefaultPort) {
    const TideMonth m = tideMonth(PortAddress(), 2024, 1);
    EXPECT_STREQ(m.portName, "田子の浦");
    EXPECT_EQ(m.dayCount, 31);
    EXPECT_EQ(m.firstWeekday, 1);  // 1 January 2024 was a Monday

    // The worked day: four waters, all before midnight.
    const MonthDay& d11 = m.days[10];
    EXPECT_EQ(d11.date.day, 11);
    EXPECT_STREQ(d11.tideName, "大潮");
    EXPECT_NEAR(d11.moonAge, 29.14, 0.005);
    ASSERT_EQ(d11.waterCount, 4);
    const int times[4] = {6 * 60 + 12, 11 * 60 + 33, 16 * 60 + 35, 23 * 60 + 41};
    const double levels[4] = {154.5, 89.5, 145.6, -16.7};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(d11.waters[k].minutes(), times[k]);
        EXPECT_NEAR(d11.waters[k].level, levels[k], 0.05);
        EXPECT_EQ(d11.waters[k].kind, k % 2 == 0 ? kHighWater : kLowWater);
    }
    // Principal phases: new moon on the 11th, first quarter on the 18th,
    // full moon on the 26th, none on the 25th.
    EXPECT_STREQ(d11.phaseName, " 朔 ");
    EXPECT_STREQ(m.days[17].phaseName, "上弦");
    EXPECT_FALSE(m.days[24].hasPhase());
    EXPECT_STREQ(m.days[25].phaseName, " 望 ");
    int phases = 0;
    for (int k = 0; k < m.dayCount; ++k) phases += m.days[k].hasPhase();
    EXPECT_EQ(phases, 4);  // and the last quarter on the 4th
    EXPECT_STREQ(m.days[3].phaseName, "下弦");

    // Sunrise near 6:50 and sunset near 16:50 at 35° N in January.
    EXPECT_GT(d11.sunrise, 6 * 60 + 30);
    EXPECT_LT(d11.sunrise, 7 * 60);
    EXPECT_GT(d11.sunset, 16 * 60 + 30);
    EXPECT_LT(d11.sunset, 17 * 60 + 10);
}

TEST(TideMonth, WatersAfterMidnightBelongToTheNextDay) {
    // 2024-07-07: 00:06 low, 05:08 high, 12:13 low, 19:22 high, then 24:45.
    const TideMonth m = tideMonth(PortAddress(), 2024, 7);
    const MonthDay& d = m.days[6];
    ASSERT_EQ(d.waterCount, 4);
    EXPECT_EQ(d.waters[0].minutes(), 6);
    EXPECT_EQ(d.waters[0].kind, kLowWater);
    EXPECT_EQ(d.waters[3].minutes(), 19 * 60 + 22);
    // The 24:45 turning point is the 8th's first, at 00:45 give or take the
    // minute the two scans may differ by.
    const TideExtreme& next = m.days[7].waters[0];
    EXPECT_NEAR(next.minutes(), 45, 1);
    EXPECT_STREQ(d.tideName, "大潮");
    // Every day of every month keeps to its date.
    for (int k = 0; k < m.dayCount; ++k)
        for (int w = 0; w < m.days[k].waterCount; ++w) EXPECT_LT(m.days[k].waters[w].hour, 24);
}

TEST(TideMonth, MonthShapes) {
    EXPECT_EQ(tideMonth(PortAddress(), 2024, 2).dayCount, 29);
    EXPECT_EQ(tideMonth(PortAddress(), 2023, 2).dayCount, 28);
    const TideMonth ponape = tideMonth(portAt(80, 2), 2024, 9);  // ポナペ, UTC+11
    EXPECT_EQ(ponape.dayCount, 30);
    EXPECT_EQ(ponape.firstWeekday, 0);  // 1 September 2024 was a Sunday
    EXPECT_STREQ(ponape.portName, "ポナペ");
}

TEST(TideMonth, WaterTextsAsTheMenuWritesThem) {
    EXPECT_STREQ(waterText(kHighWater, 6, 12, 154.6).text, "H  6:12 155");
    EXPECT_STREQ(waterText(kLowWater, 23, 41, -16.7).text, "L 23:41 -17");
    EXPECT_STREQ(waterText(kUnclassified, 24, 45, 12).text, "");
    // A water between -0.5 and 0 is written 0, with no sign; -0.51 is -1.
    EXPECT_STREQ(waterText(kLowWater, 22, 6, -0.3).text, "L 22:06   0");
    EXPECT_STREQ(waterText(kLowWater, 22, 6, -0.5).text, "L 22:06   0");
    EXPECT_STREQ(waterText(kLowWater, 22, 6, -0.51).text, "L 22:06  -1");

}

}  // namespace
}  // namespace marilo
