#include "calendar/date_time.h"

#include <gtest/gtest.h>

namespace marilo {
namespace {

TEST(DateTime, FirstOfJanuary2000IsTheEpochSaturday) {
    DateTime d(2000, 1, 1);
    EXPECT_DOUBLE_EQ(d.dayNumber, -0.5);
    EXPECT_EQ(d.weekday, 6);
    EXPECT_STREQ(d.weekdayName, "土");
    EXPECT_STREQ(d.monthName, "January");
    EXPECT_EQ(d.daysInMonth, 31);
}

TEST(DateTime, LeapYears) {
    EXPECT_TRUE(isLeapYearOf(2000));
    EXPECT_FALSE(isLeapYearOf(1900));
    EXPECT_FALSE(isLeapYearOf(2100));
    EXPECT_TRUE(isLeapYearOf(2024));

    DateTime leap(2024, 2, 29);
    EXPECT_EQ(leap.month, 2);
    EXPECT_EQ(leap.day, 29);
    EXPECT_EQ(leap.daysInMonth, 29);
    DateTime common(2023, 2, 29);
    EXPECT_EQ(common.month, 3);
    EXPECT_EQ(common.day, 1);
}

TEST(DateTime, MonthsAndDaysOutOfRangeCarry) {
    DateTime d(2023, 13, 1);
    EXPECT_EQ(d.year, 2024);
    EXPECT_EQ(d.month, 1);
    d = DateTime(2024, 0, 5);
    EXPECT_EQ(d.year, 2023);
    EXPECT_EQ(d.month, 12);
    d = DateTime(2024, 1, 0);
    EXPECT_EQ(d.year, 2023);
    EXPECT_EQ(d.month, 12);
    EXPECT_EQ(d.day, 31);
    d = DateTime(2024, 1, 32);
    EXPECT_EQ(d.month, 2);
    EXPECT_EQ(d.day, 1);
    d = DateTime(2024, 3, 0);
    EXPECT_EQ(d.month, 2);
    EXPECT_EQ(d.day, 29);
}

TEST(DateTime, NormalizeTimeKeepsTwentyFourHundred) {
    DateTime d(2024, 5, 10);
    d.hour = 10;
    d.minute = 60;
    d.normalizeTime();
    EXPECT_EQ(d.hour, 11);
    EXPECT_EQ(d.minute, 0);

    d.hour = 23;
    d.minute = 75;
    d.normalizeTime();
    EXPECT_EQ(d.hour, 24);
    EXPECT_EQ(d.minute, 15);
    EXPECT_EQ(d.day, 10);

    d.hour = 22;
    d.minute = 180;
    d.normalizeTime();
    EXPECT_EQ(d.hour, 1);
    EXPECT_EQ(d.minute, 0);
    EXPECT_EQ(d.day, 11);
}

TEST(DateTime, SteppingChangesTheValueAndReturnsTheNewOne) {
    DateTime d(2023, 12, 30);
    const DateTime r = d.addDays(2);
    EXPECT_EQ(d.year, 2024);
    EXPECT_EQ(r.year, 2024);
    EXPECT_EQ(r.month, 1);
    EXPECT_EQ(r.day, 1);
    EXPECT_EQ(r.weekday, 1);
    EXPECT_STREQ(r.weekdayName, "月");
    EXPECT_EQ(d.previousDay().day, 31);
    EXPECT_EQ(d.nextDay().day, 1);
    EXPECT_EQ(d.subtractDays(366).year, 2022);

    DateTime late(2024, 1, 1, 23, 59);
    EXPECT_EQ(late.minuteOfDay, 1439);
}

TEST(DateTime, DayCountsAndDayOfYear) {
    // A day past the month's end counts on.
    EXPECT_DOUBLE_EQ(dayNumberOf(2024, 1, 32), dayNumberOf(2024, 2, 1));
    EXPECT_DOUBLE_EQ(dayNumberOf(2024, 3, 1) - dayNumberOf(2024, 2, 28), 2.0);
    int32_t table[13] = {31, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    EXPECT_EQ(dayOfYear(1, 1, table), 0);
    EXPECT_EQ(dayOfYear(3, 1, table), 60);
    EXPECT_EQ(dayOfYear(12, 31, table), 365);
}

TEST(NormalizeDate, RefusesLargeOffsetsAndWalksAcrossYears) {
    int32_t table[13] = {31, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int32_t y = 2024, m = 1, d = 10;
    EXPECT_EQ(normalizeDate(table, y, m, d, 21), 1);
    EXPECT_EQ(d, 10);
    EXPECT_EQ(normalizeDate(table, y, m, d, -20), 0);
    EXPECT_EQ(y, 2023);
    EXPECT_EQ(m, 12);
    EXPECT_EQ(d, 21);
    // A long walk from one year into another's February: the lengths follow
    // the year reached, not the year the walk started in.
    y = 2023, m = 12, d = 31 + 31 + 29;
    EXPECT_EQ(normalizeDate(table, y, m, d, 0), 0);
    EXPECT_EQ(y, 2024);
    EXPECT_EQ(m, 2);
    EXPECT_EQ(d, 29);
}

TEST(DateTime, RefusedOffsetStillBringsTheDateIntoRange) {
    // Month 14 of 2023 is February 2024, whose day 30 is 1 March; the
    // 40-day offset is refused and ignored.
    DateTime d(2024, 1, 10);
    d.year = 2023;
    d.month = 14;
    d.day = 30;
    d.normalize(40);
    EXPECT_EQ(d.year, 2024);
    EXPECT_EQ(d.month, 3);
    EXPECT_EQ(d.day, 1);
    EXPECT_STREQ(d.monthName, "March");
    EXPECT_EQ(d.daysInMonth, 31);
}

}  // namespace
}  // namespace marilo
