#include "calendar/holidays.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace marilo {
namespace {

// "M/D" of every holiday of the year, in order.
std::vector<std::string> holidayList(int year) {
    std::vector<std::string> out;
    for (const CalendarDate& d : holidaysOfYear(year))
        out.push_back(std::to_string(d.month) + "/" + std::to_string(d.day));
    return out;
}

using List = std::vector<std::string>;

// Official lists of national holidays (including substitute holidays and
// days between two holidays), year by year.

TEST(HolidaysOfficial, Nineteen70s) {
    EXPECT_EQ(holidayList(1970), (List{"1/1", "1/15", "2/11", "3/21", "4/29", "5/3", "5/5", "9/15", "9/23",
                                       "10/10", "11/3", "11/23"}));
    // Substitute holidays begin on 12 April 1973: 11 February (a Sunday)
    // has none, 29 April does.
    EXPECT_EQ(holidayList(1973), (List{"1/1", "1/15", "2/11", "3/21", "4/29", "4/30", "5/3", "5/5", "9/15",
                                       "9/23", "9/24", "10/10", "11/3", "11/23"}));
    EXPECT_EQ(holidayList(1974), (List{"1/1", "1/15", "2/11", "3/21", "4/29", "5/3", "5/5", "5/6", "9/15",
                                       "9/16", "9/23", "10/10", "11/3", "11/4", "11/23"}));
    EXPECT_EQ(holidayList(1979), (List{"1/1", "1/15", "2/11", "2/12", "3/21", "4/29", "4/30", "5/3", "5/5",
                                       "9/15", "9/24", "10/10", "11/3", "11/23"}));
}

TEST(HolidaysOfficial, Nineteen80sWithTheDayBetweenHolidays) {
    EXPECT_EQ(holidayList(1985), (List{"1/1", "1/15", "2/11", "3/21", "4/29", "5/3", "5/5", "5/6", "9/15",
                                       "9/16", "9/23", "10/10", "11/3", "11/4", "11/23"}));
    // 4 May 1986 is a Sunday: no day between.
    EXPECT_EQ(holidayList(1986), (List{"1/1", "1/15", "2/11", "3/21", "4/29", "5/3", "5/5", "9/15", "9/23",
                                       "10/10", "11/3", "11/23", "11/24"}));
    // 4 May 1987 is the substitute for the Sunday 3 May.
    EXPECT_EQ(holidayList(1987), (List{"1/1", "1/15", "2/11", "3/21", "4/29", "5/3", "5/4", "5/5", "9/15",
                                       "9/23", "10/10", "11/3", "11/23"}));
    EXPECT_EQ(holidayList(1988), (List{"1/1", "1/15", "2/11", "3/20", "3/21", "4/29", "5/3", "5/4", "5/5",
                                       "9/15", "9/23", "10/10", "11/3", "11/23"}));
    // The funeral of 24 February; 天皇誕生日 moves to 23 December and 29 April
    // becomes みどりの日.
    EXPECT_EQ(holidayList(1989), (List{"1/1", "1/2", "1/15", "1/16", "2/11", "2/24", "3/21", "4/29", "5/3",
                                       "5/4", "5/5", "9/15", "9/23", "10/10", "11/3", "11/23", "12/23"}));
}

TEST(HolidaysOfficial, Nineteen90s) {
    EXPECT_EQ(holidayList(1990), (List{"1/1", "1/15", "2/11", "2/12", "3/21", "4/29", "4/30", "5/3", "5/4",
                                       "5/5", "9/15", "9/23", "9/24", "10/10", "11/3", "11/12", "11/23",
                                       "12/23", "12/24"}));
    EXPECT_EQ(holidayList(1993), (List{"1/1", "1/15", "2/11", "3/20", "4/29", "5/3", "5/4", "5/5", "6/9",
                                       "9/15", "9/23", "10/10", "10/11", "11/3", "11/23", "12/23"}));
    // 海の日 from 1996.
    EXPECT_EQ(holidayList(1995), (List{"1/1", "1/2", "1/15", "1/16", "2/11", "3/21", "4/29", "5/3", "5/4",
                                       "5/5", "9/15", "9/23", "10/10", "11/3", "11/23", "12/23"}));
    EXPECT_EQ(holidayList(1996), (List{"1/1", "1/15", "2/11", "2/12", "3/20", "4/29", "5/3", "5/4", "5/5",
                                       "5/6", "7/20", "9/15", "9/16", "9/23", "10/10", "11/3", "11/4", "11/23",
                                       "12/23"}));
}

TEST(HolidaysOfficial, MondayHolidaysFrom2000And2003) {
    EXPECT_EQ(holidayList(2000), (List{"1/1", "1/10", "2/11", "3/20", "4/29", "5/3", "5/4", "5/5", "7/20",
                                       "9/15", "9/23", "10/9", "11/3", "11/23", "12/23"}));
    EXPECT_EQ(holidayList(2003), (List{"1/1", "1/13", "2/11", "3/21", "4/29", "5/3", "5/5", "7/21", "9/15",
                                       "9/23", "10/13", "11/3", "11/23", "11/24", "12/23"}));
}

TEST(HolidaysOfficial, From2007TheSubstituteSkipsHolidays) {
    EXPECT_EQ(holidayList(2007), (List{"1/1", "1/8", "2/11", "2/12", "3/21", "4/29", "4/30", "5/3", "5/4",
                                       "5/5", "7/16", "9/17", "9/23", "9/24", "10/8", "11/3", "11/23", "12/23",
                                       "12/24"}));
    EXPECT_EQ(holidayList(2008), (List{"1/1", "1/14", "2/11", "3/20", "4/29", "5/3", "5/4", "5/5", "5/6",
                                       "7/21", "9/15", "9/23", "10/13", "11/3", "11/23", "11/24", "12/23"}));
    EXPECT_EQ(holidayList(2009), (List{"1/1", "1/12", "2/11", "3/20", "4/29", "5/3", "5/4", "5/5", "5/6",
                                       "7/20", "9/21", "9/22", "9/23", "10/12", "11/3", "11/23", "12/23"}));
    EXPECT_EQ(holidayList(2015), (List{"1/1", "1/12", "2/11", "3/21", "4/29", "5/3", "5/4", "5/5", "5/6",
                                       "7/20", "9/21", "9/22", "9/23", "10/12", "11/3", "11/23", "12/23"}));
}

TEST(HolidaysOfficial, MountainDayFrom2016) {
    EXPECT_EQ(holidayList(2015).size(), 17u);
    EXPECT_EQ(holidayList(2016), (List{"1/1", "1/11", "2/11", "3/20", "3/21", "4/29", "5/3", "5/4", "5/5",
                                       "7/18", "8/11", "9/19", "9/22", "10/10", "11/3", "11/23", "12/23"}));
    EXPECT_EQ(holidayList(2018), (List{"1/1", "1/8", "2/11", "2/12", "3/21", "4/29", "4/30", "5/3", "5/4",
                                       "5/5", "7/16", "8/11", "9/17", "9/23", "9/24", "10/8", "11/3", "11/23",
                                       "12/23", "12/24"}));
}

TEST(HolidaysOfficial, AccessionYear2019) {
    // No 天皇誕生日 at all; ten days in a row from 27 April (a Saturday).
    EXPECT_EQ(holidayList(2019), (List{"1/1", "1/14", "2/11", "3/21", "4/29", "4/30", "5/1", "5/2", "5/3",
                                       "5/4", "5/5", "5/6", "7/15", "8/11", "8/12", "9/16", "9/23", "10/14",
                                       "10/22", "11/3", "11/4", "11/23"}));
}

TEST(HolidaysOfficial, OlympicYears2020And2021) {
    EXPECT_EQ(holidayList(2020), (List{"1/1", "1/13", "2/11", "2/23", "2/24", "3/20", "4/29", "5/3", "5/4",
                                       "5/5", "5/6", "7/23", "7/24", "8/10", "9/21", "9/22", "11/3", "11/23"}));
    EXPECT_EQ(holidayList(2021), (List{"1/1", "1/11", "2/11", "2/23", "3/20", "4/29", "5/3", "5/4", "5/5",
                                       "7/22", "7/23", "8/8", "8/9", "9/20", "9/23", "11/3", "11/23"}));
}

TEST(HolidaysOfficial, From2022To2027) {
    EXPECT_EQ(holidayList(2022), (List{"1/1", "1/10", "2/11", "2/23", "3/21", "4/29", "5/3", "5/4", "5/5",
                                       "7/18", "8/11", "9/19", "9/23", "10/10", "11/3", "11/23"}));
    EXPECT_EQ(holidayList(2024), (List{"1/1", "1/8", "2/11", "2/12", "2/23", "3/20", "4/29", "5/3", "5/4",
                                       "5/5", "5/6", "7/15", "8/11", "8/12", "9/16", "9/22", "9/23", "10/14",
                                       "11/3", "11/4", "11/23"}));
    EXPECT_EQ(holidayList(2025), (List{"1/1", "1/13", "2/11", "2/23", "2/24", "3/20", "4/29", "5/3", "5/4",
                                       "5/5", "5/6", "7/21", "8/11", "9/15", "9/23", "10/13", "11/3", "11/23",
                                       "11/24"}));
    EXPECT_EQ(holidayList(2026), (List{"1/1", "1/12", "2/11", "2/23", "3/20", "4/29", "5/3", "5/4", "5/5",
                                       "5/6", "7/20", "8/11", "9/21", "9/22", "9/23", "10/12", "11/3",
                                       "11/23"}));
    EXPECT_EQ(holidayList(2027), (List{"1/1", "1/11", "2/11", "2/23", "3/21", "3/22", "4/29", "5/3", "5/4",
                                       "5/5", "7/19", "8/11", "9/20", "9/23", "10/11", "11/3", "11/23"}));
}

TEST(HolidaysOfficial, BeforeAndAtTheStartOfTheLaw) {
    EXPECT_TRUE(holidayList(1947).empty());
    EXPECT_EQ(holidayList(1948), (List{"9/23", "11/3", "11/23"}));
    EXPECT_EQ(holidayList(1959), (List{"1/1", "1/15", "3/21", "4/10", "4/29", "5/3", "5/5", "9/24", "11/3",
                                       "11/23"}));
}

// Published equinox days: March and September, 1970 to 2027.
TEST(Equinox, MatchesThePublishedDays) {
    struct Row { int year; int march; int september; };
    const Row rows[] = {
        {1970, 21, 23}, {1971, 21, 24}, {1972, 20, 23}, {1973, 21, 23}, {1974, 21, 23}, {1975, 21, 24},
        {1976, 20, 23}, {1977, 21, 23}, {1978, 21, 23}, {1979, 21, 24}, {1980, 20, 23}, {1981, 21, 23},
        {1982, 21, 23}, {1983, 21, 23}, {1984, 20, 23}, {1985, 21, 23}, {1986, 21, 23}, {1987, 21, 23},
        {1988, 20, 23}, {1989, 21, 23}, {1990, 21, 23}, {1991, 21, 23}, {1992, 20, 23}, {1993, 20, 23},
        {1994, 21, 23}, {1995, 21, 23}, {1996, 20, 23}, {1997, 20, 23}, {1998, 21, 23}, {1999, 21, 23},
        {2000, 20, 23}, {2001, 20, 23}, {2002, 21, 23}, {2003, 21, 23}, {2004, 20, 23}, {2005, 20, 23},
        {2006, 21, 23}, {2007, 21, 23}, {2008, 20, 23}, {2009, 20, 23}, {2010, 21, 23}, {2011, 21, 23},
        {2012, 20, 22}, {2013, 20, 23}, {2014, 21, 23}, {2015, 21, 23}, {2016, 20, 22}, {2017, 20, 23},
        {2018, 21, 23}, {2019, 21, 23}, {2020, 20, 22}, {2021, 20, 23}, {2022, 21, 23}, {2023, 21, 23},
        {2024, 20, 22}, {2025, 20, 23}, {2026, 20, 23}, {2027, 21, 23},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(vernalEquinoxDay(r.year), r.march) << r.year;
        EXPECT_EQ(autumnalEquinoxDay(r.year), r.september) << r.year;
    }
}

TEST(Holiday, CasesThatDecideTheRules) {
    // 4 May: between two holidays only after 1985; a holiday of its own from 2007.
    EXPECT_FALSE(isHoliday(DateTime(1985, 5, 4)));
    EXPECT_TRUE(isHoliday(DateTime(1988, 5, 4)));
    EXPECT_TRUE(isHoliday(DateTime(2008, 5, 4)));
    EXPECT_TRUE(isListedHoliday(2008, 5, 4, 0));
    EXPECT_FALSE(isListedHoliday(2006, 5, 4, 4));
    // 成人の日 moves to the second Monday in 2000.
    EXPECT_TRUE(isHoliday(DateTime(1999, 1, 15)));
    EXPECT_TRUE(isHoliday(DateTime(2000, 1, 10)));
    EXPECT_FALSE(isHoliday(DateTime(2000, 1, 15)));
    // 海の日: 20 July to 2002, then the third Monday; none before 1996.
    EXPECT_TRUE(isHoliday(DateTime(2002, 7, 20)));
    EXPECT_TRUE(isHoliday(DateTime(2003, 7, 21)));
    EXPECT_FALSE(isHoliday(DateTime(2003, 7, 20)));
    EXPECT_FALSE(isHoliday(DateTime(1995, 7, 20)));
    // 2 January 2006 is the substitute for a Sunday New Year's Day.
    EXPECT_TRUE(isHoliday(DateTime(2006, 1, 2)));
    // 天皇誕生日 moves.
    EXPECT_TRUE(isHoliday(DateTime(2018, 12, 23)));
    EXPECT_FALSE(isHoliday(DateTime(2019, 12, 23)));
    EXPECT_TRUE(isHoliday(DateTime(2020, 2, 23)));
    EXPECT_FALSE(isHoliday(DateTime(2019, 2, 23)));
    // No スポーツの日 in October 2020 and 2021, back in 2022.
    EXPECT_FALSE(isHoliday(DateTime(2020, 10, 12)));
    EXPECT_FALSE(isHoliday(DateTime(2021, 10, 11)));
    EXPECT_TRUE(isHoliday(DateTime(2022, 10, 10)));
}

TEST(Holiday, LinesForTheCommandLine) {
    EXPECT_EQ(holidayLines(1948), "1948-09-23\n1948-11-03\n1948-11-23\n");
    EXPECT_EQ(holidayLines(1000), "");
}

TEST(Holiday, LeavesTheCallersDateAlone) {
    const DateTime d(2009, 9, 22);
    DateTime copy = d;
    EXPECT_TRUE(isHoliday(copy));
    EXPECT_EQ(copy.year, 2009);
    EXPECT_EQ(copy.month, 9);
    EXPECT_EQ(copy.day, 22);
    EXPECT_EQ(copy.weekday, d.weekday);
}

TEST(Holiday, FarYearsFollowTheRules) {
    // Beyond the published calendar the rules of the present law apply.
    EXPECT_TRUE(isHoliday(DateTime(2100, 1, 1)));
    EXPECT_TRUE(isHoliday(DateTime(2100, 5, 4)));
    EXPECT_TRUE(isHoliday(DateTime(2100, 8, 11)));
    EXPECT_FALSE(isHoliday(DateTime(2100, 12, 23)));
    EXPECT_TRUE(holidayList(1200).empty());
    EXPECT_FALSE(holidayList(9999).empty());
    EXPECT_TRUE(holidayList(10000).empty());
    EXPECT_TRUE(holidayList(INT_MAX).empty());
    EXPECT_TRUE(holidayList(INT_MIN).empty());
}

}  // namespace
}  // namespace marilo
