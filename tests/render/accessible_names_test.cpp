// The names a screen reader hears, against texts written out by hand.
#include "render/accessible_names.h"

#include <gtest/gtest.h>

namespace marilo {
namespace {

TideExtreme water(int32_t kind, int32_t hour, int32_t minute, double level) {
    TideExtreme x;
    x.kind = kind;
    x.hour = hour;
    x.minute = minute;
    x.level = level;
    return x;
}

// 1 March 2024 (a Friday) with a tide name padded as the engine's field is.
MonthDay march1() {
    MonthDay d;
    d.date = DateTime(2024, 3, 1);
    std::snprintf(d.tideName, sizeof d.tideName, "中潮");
    d.waterCount = 4;
    d.waters[0] = water(kHighWater, 8, 7, 136.4);
    d.waters[1] = water(kLowWater, 14, 44, 29.6);
    d.waters[2] = water(kHighWater, 20, 1, 120.0);
    d.waters[3] = water(kLowWater, 23, 59, -0.4);
    return d;
}

TEST(AccessibleNames, DayWithItsTideAndWatersInWords) {
    EXPECT_EQ(dayWords(march1(), false),
              u"3月1日 中潮 満潮 8時07分 136センチ, 干潮 14時44分 30センチ, 満潮 20時01分 120センチ, "
              u"干潮 23時59分 0センチ");
    MonthDay d = march1();
    d.waterCount = 1;
    d.phaseNumber = 3;
    std::snprintf(d.phaseName, sizeof d.phaseName, " 望 ");
    EXPECT_EQ(dayWords(d, true), u"3月1日(金) 中潮 満月 満潮 8時07分 136センチ");
    // No waters recorded, an unclassified turning point, a count beyond the slots.
    d.waterCount = 0;
    d.phaseNumber = 0;
    EXPECT_EQ(dayWords(d, false), u"3月1日 中潮");
    d.waterCount = 99;
    d.waters[0].kind = kUnclassified;
    d.waters[4].hour = kNoHour;
    EXPECT_EQ(dayWords(d, false), u"3月1日 中潮 干潮 14時44分 30センチ, 満潮 20時01分 120センチ, 干潮 23時59分 0センチ");
}

TEST(AccessibleNames, OneWaterAndTheReadout) {
    EXPECT_EQ(waterWords(water(kLowWater, 0, 5, -12.6)), u"干潮 0時05分 -13センチ");
    EXPECT_EQ(waterWords(water(kUnclassified, 0, 5, 1)), u"");
    EXPECT_EQ(waterWords(water(kHighWater, 24, 5, 1)), u"");  // the next day's
    EXPECT_EQ(readoutWords(8 * 60, 123.49), u"8時00分 潮位 123センチ");
    EXPECT_EQ(monthWindowWords(2024, 3), u"月間潮見表 2024年3月");
    EXPECT_EQ(graphWindowWords(march1()).substr(0, 16), u"潮位グラフ 3月1日 中潮 満潮");
    // Rounded as the drawn numbers are (printf's %.0f: a half to the even).
    EXPECT_EQ(readoutWords(1440, 80.5), u"24時00分 潮位 80センチ");
    EXPECT_EQ(readoutWords(1440, 81.5), u"24時00分 潮位 82センチ");
    // Over several days, with its date.
    EXPECT_EQ(readoutWords(DateTime(2024, 1, 12), 6 * 60, 120.2), u"1月12日 6時00分 潮位 120センチ");
}

TEST(AccessibleNames, StripNamesEachButtonWithTheDayItLeadsTo) {
    const DateTime today(2024, 3, 5);
    EXPECT_EQ(stripWords(today, -4),
              u"3月1日を表示中: 前月 2月1日 (キー [), 前日 2月29日 (キー <), 今日 3月5日 (Enter), 翌日 3月2日 (キー >), "
              u"翌月 4月1日 (キー ])");
    EXPECT_EQ(stripButtonWords(4, today, -4), u"翌月 4月1日");
    EXPECT_EQ(stripButtonWords(5, today, -4), u"");
    // Across the year's end the other year is named; 31 December a month on
    // is the last day of January.
    const DateTime newYearsEve(2024, 12, 31);
    EXPECT_EQ(stripWords(newYearsEve, 0),
              u"12月31日を表示中: 前月 11月30日 (キー [), 前日 12月30日 (キー <), 今日 12月31日 (Enter), "
              u"翌日 2025年1月1日 (キー >), 翌月 2025年1月31日 (キー ])");
}

}  // namespace
}  // namespace marilo
