#include "calendar/color_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>

namespace marilo {
namespace {

constexpr uint32_t kBlack = 0x000000, kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kCyan = 0xC0C000,
                   kMagenta = 0xFF00FF;

RuleList listOf(std::initializer_list<DateColorRule> rules) {
    RuleList l;
    for (const DateColorRule& r : rules) l.append(r);
    l.clearChanged();
    return l;
}

uint32_t colorOn(const RuleList& l, int y, int m, int d, int currentYear = 2026) {
    return l.colorForDate(DateTime(y, m, d), currentYear);
}

// The period walk done literally, day by day, as the reference.
bool walkPeriod(int anchorYear, int month, int day, int length, int dateMonth, int dateDay) {
    DateTime w(2000, 1, 1);
    w.setDate(anchorYear, month, day);
    for (int i = 0; i < length; ++i) {
        if (dateMonth == w.month && dateDay == w.day) return true;
        w.nextDay();
    }
    return false;
}

TEST(ColorRules, DefaultRulesColourHolidaysSundaysAndSaturdays) {
    const RuleList l = DefaultRules();
    ASSERT_EQ(l.count(), 3);
    EXPECT_EQ(colorOn(l, 2026, 5, 3), kRed);     // 憲法記念日 on a Sunday
    EXPECT_EQ(colorOn(l, 2020, 2, 24), kRed);    // substitute Monday
    EXPECT_EQ(colorOn(l, 2025, 5, 3), kRed);     // holiday on a Saturday: rule 1 first
    EXPECT_EQ(colorOn(l, 2026, 12, 5), kBlue);   // plain Saturday
    EXPECT_EQ(colorOn(l, 2026, 12, 6), kRed);    // plain Sunday
    EXPECT_EQ(colorOn(l, 2026, 12, 7), kBlack);  // plain Monday: no rule
    EXPECT_FALSE(l.changed());
}

TEST(ColorRules, OrderDecidesAndABlackRuleStopsTheSearch) {
    RuleList l = DefaultRules();
    l.swap(0, 2);  // Saturdays above holidays
    EXPECT_EQ(colorOn(l, 2025, 5, 3), kBlue);
    EXPECT_TRUE(l.changed());

    const RuleList black = listOf({makeRule(FixedDate, 0, 1, 1, 12, 24, 0), makeRule(Weekly, 4, 1, 1, 1, 1, 1)});
    EXPECT_EQ(colorOn(black, 2026, 12, 24), kBlack);  // a Thursday, but the black rule came first
    EXPECT_EQ(colorOn(black, 2026, 12, 31), kRed);
    EXPECT_EQ(colorOn(RuleList{}, 2026, 1, 1), kBlack);
}

TEST(ColorRules, MonthlyKinds) {
    const RuleList l = listOf({makeRule(MonthlyByWeekday, 1, 1, 5, 1, 1, 3), makeRule(MonthlyByDay, 0, 25, 1, 1, 1, 4)});
    // Fifth Mondays: 29 June 2026, 30 November 2026, 31 August 2026.
    EXPECT_EQ(colorOn(l, 2026, 6, 29), kGreen);
    EXPECT_EQ(colorOn(l, 2026, 11, 30), kGreen);
    EXPECT_EQ(colorOn(l, 2026, 8, 31), kGreen);
    EXPECT_EQ(colorOn(l, 2026, 6, 22), kBlack);  // fourth Monday
    EXPECT_EQ(colorOn(l, 2026, 6, 30), kBlack);  // Tuesday in week 5
    EXPECT_EQ(colorOn(l, 2026, 2, 25), kCyan);
    EXPECT_EQ(colorOn(listOf({makeRule(MonthlyByWeekday, 1, 1, 2, 1, 1, 3)}), 2026, 12, 14), kGreen);
}

TEST(ColorRules, UnknownKindsAndColourIndicesAreHarmless) {
    const RuleList l = listOf({makeRule(9, 0, 1, 1, 1, 1, 1), makeRule(-1, 0, 1, 1, 1, 1, 1),
                               makeRule(Weekly, 0, 1, 1, 1, 1, 7), makeRule(Weekly, 1, 1, 1, 1, 1, -3),
                               makeRule(Weekly, 2, 1, 1, 1, 1, 5)});
    EXPECT_EQ(colorOn(l, 2026, 12, 6), kBlack);   // Sunday, colour 7 is outside the table
    EXPECT_EQ(colorOn(l, 2026, 12, 7), kBlack);   // Monday, colour -3
    EXPECT_EQ(colorOn(l, 2026, 12, 8), 0x00C0C0u);  // Tuesday: later rules still work
}

TEST(ColorRules, PeriodWrapsIntoJanuary) {
    const RuleList l = listOf({makeRule(Period, 0, 1, 5, 12, 30, 4)});
    for (int y : {2025, 2026, 2031}) {
        EXPECT_EQ(colorOn(l, y, 12, 29), kBlack) << y;
        EXPECT_EQ(colorOn(l, y, 12, 30), kCyan) << y;
        EXPECT_EQ(colorOn(l, y, 12, 31), kCyan) << y;
        EXPECT_EQ(colorOn(l, y, 1, 1), kCyan) << y;
        EXPECT_EQ(colorOn(l, y, 1, 3), kCyan) << y;
        EXPECT_EQ(colorOn(l, y, 1, 4), kBlack) << y;
    }
}

TEST(ColorRules, PeriodIsLaidOutInTheCurrentYear) {
    const RuleList l = listOf({makeRule(Period, 0, 1, 2, 2, 28, 6)});
    // Current year 2024 (leap): 28 and 29 February, in any year asked.
    EXPECT_EQ(colorOn(l, 2024, 2, 29, 2024), kMagenta);
    EXPECT_EQ(colorOn(l, 2023, 3, 1, 2024), kBlack);
    EXPECT_EQ(colorOn(l, 2028, 2, 29, 2024), kMagenta);
    // Current year 2026: 28 February and 1 March, even for a leap year date.
    EXPECT_EQ(colorOn(l, 2028, 2, 29, 2026), kBlack);
    EXPECT_EQ(colorOn(l, 2028, 3, 1, 2026), kMagenta);
    EXPECT_EQ(colorOn(l, 2028, 2, 28, 2026), kMagenta);

    // A run starting on 29 February starts on 1 March in a common year.
    const RuleList leapStart = listOf({makeRule(Period, 0, 1, 1, 2, 29, 1)});
    EXPECT_EQ(colorOn(leapStart, 2024, 2, 29, 2024), kRed);
    EXPECT_EQ(colorOn(leapStart, 2024, 2, 29, 2026), kBlack);
    EXPECT_EQ(colorOn(leapStart, 2024, 3, 1, 2026), kRed);

    // Zero or negative length colours nothing.
    EXPECT_EQ(colorOn(listOf({makeRule(Period, 0, 1, 0, 1, 1, 1)}), 2026, 1, 1), kBlack);
    EXPECT_EQ(colorOn(listOf({makeRule(Period, 0, 1, -5, 1, 1, 1)}), 2026, 1, 1), kBlack);
}

TEST(ColorRules, PeriodAnswersAsTheDayByDayWalk) {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> year(1996, 2105), month(-14, 26), day(-40, 70), length(-2, 800);
    std::uniform_int_distribution<int> offset(0, 365);
    for (int i = 0; i < 3000; ++i) {
        const int y = year(rng), m = month(rng), d = day(rng), n = length(rng);
        const DateTime date = DateTime(2024, 1, 1).addDays(offset(rng));  // a leap year: 29 February included
        ASSERT_EQ(periodCovers(y, m, d, n, date.month, date.day), walkPeriod(y, m, d, n, date.month, date.day))
            << y << " " << m << "/" << d << " x" << n << " asked " << date.month << "/" << date.day;
    }
}

TEST(ColorRules, PeriodOfAnyLengthAndAnyStoredStart) {
    // A run long enough to pass 29 February colours every day of the year.
    EXPECT_TRUE(periodCovers(2025, 3, 1, 366 + 365 + 365, 2, 29));
    EXPECT_FALSE(periodCovers(2025, 3, 1, 365 + 365, 2, 29));  // ends 28 February 2027
    EXPECT_TRUE(periodCovers(2026, 1, 1, INT_MAX, 2, 29));
    EXPECT_TRUE(periodCovers(2026, 1, 1, INT_MAX, 12, 31));
    // Stored fields a damaged store may hold are answered without running
    // through them: the month carries into the years, the day into months.
    EXPECT_TRUE(periodCovers(2026, INT_MAX, INT_MAX, INT_MAX, 7, 7));
    EXPECT_FALSE(periodCovers(2026, INT_MIN, INT_MIN, 1, 1, 1) && periodCovers(2026, INT_MIN, INT_MIN, 1, 1, 2));
    EXPECT_TRUE(periodCovers(INT_MAX, 12, 31, 2, 1, 1));
    EXPECT_FALSE(periodCovers(2026, 1, 1, 400, 2, 30));  // no such date is ever asked
}

TEST(RuleText, EveryKindAndItsPosition) {
    RuleList l;
    l.append(makeRule(Holiday, 0, 1, 1, 1, 1, 1));
    l.append(makeRule(Weekly, 0, 1, 1, 1, 1, 1));
    l.append(makeRule(Weekly, 6, 1, 1, 1, 1, 2));
    l.append(makeRule(MonthlyByDay, 0, 25, 1, 1, 1, 3));
    l.append(makeRule(MonthlyByWeekday, 1, 1, 2, 1, 1, 2));
    l.append(makeRule(FixedDate, 0, 1, 1, 12, 24, 6));
    l.append(makeRule(Period, 0, 1, 3, 8, 13, 4));
    EXPECT_STREQ(l[0].text, "1:祝祭日,赤");
    EXPECT_STREQ(l[1].text, "2:毎週,日曜日,赤");
    EXPECT_STREQ(l[2].text, "3:毎週,土曜日,青");
    EXPECT_STREQ(l[3].text, "4:毎月,25日,緑");
    EXPECT_STREQ(l[4].text, "5:毎月,第2,月曜日,青");
    EXPECT_STREQ(l[5].text, "6:指定日,12月24日,紅");
    EXPECT_STREQ(l[6].text, "7:期間,8/13～3days,水");
}

TEST(RuleText, StoredValuesOutsideTheTablesDoNotReadPastThem) {
    RuleList l;
    DateColorRule odd = makeRule(Weekly, 12, 1, 1, 1, 1, -1);
    l.append(odd);
    EXPECT_STREQ(l[0].text, "1:毎週,?曜日,?");
    DateColorRule unknown = makeRule(42, 0, 1, 1, 1, 1, 1);
    std::strcpy(unknown.text, "kept");
    l.append(unknown);
    EXPECT_STREQ(l[1].text, "kept");
    DateColorRule huge = makeRule(Period, 0, 1, INT_MIN, INT_MAX, INT_MIN, 6);
    l.replaceAt(0, huge);
    EXPECT_STREQ(l[0].text, "1:期間,2147483647/-2147483648～-2147483648days,紅");
}

TEST(RuleList, RemovingRenumbersAndMarksTheChange) {
    RuleList l = DefaultRules();
    l.describeAll();
    l.clearChanged();
    l.removeAt(-1);
    l.removeAt(3);
    EXPECT_EQ(l.count(), 3);
    EXPECT_FALSE(l.changed());

    l.removeAt(0);
    ASSERT_EQ(l.count(), 2);
    EXPECT_TRUE(l.changed());
    EXPECT_STREQ(l[0].text, "1:毎週,日曜日,赤");
    EXPECT_STREQ(l[1].text, "2:毎週,土曜日,青");
    l.removeAt(1);
    l.removeAt(0);
    EXPECT_TRUE(l.empty());
    l.append(makeRule(Holiday, 0, 1, 1, 1, 1, 1));
    EXPECT_STREQ(l[0].text, "1:祝祭日,赤");
}

TEST(RuleList, SwapReplaceAndAssign) {
    RuleList l = DefaultRules();
    l.describeAll();
    l.swap(1, 2);
    EXPECT_STREQ(l[1].text, "2:毎週,土曜日,青");
    EXPECT_STREQ(l[2].text, "3:毎週,日曜日,赤");
    l.swap(0, 3);  // out of range: nothing
    EXPECT_EQ(l[0].kind, Holiday);

    l.clearChanged();
    l.replaceAt(0, makeRule(FixedDate, 0, 1, 1, 1, 1, 5));
    EXPECT_STREQ(l[0].text, "1:指定日,1月1日,黄");
    EXPECT_TRUE(l.changed());

    RuleList copy;
    copy.assign(l);
    EXPECT_EQ(copy.count(), 3);
    EXPECT_STREQ(copy[2].text, l[2].text);
    EXPECT_TRUE(copy.changed());
    copy.assign(copy.data(), 1);  // shrinking onto itself
    EXPECT_EQ(copy.count(), 1);
    EXPECT_EQ(copy[0].kind, FixedDate);
    copy.assign(nullptr, 5);
    EXPECT_TRUE(copy.empty());
}

TEST(RuleList, DescribingOnlyStillMarksTheChange) {
    RuleList l = DefaultRules();
    EXPECT_FALSE(l.changed());
    l.describeRule(0);
    EXPECT_TRUE(l.changed());
}

}  // namespace
}  // namespace marilo
