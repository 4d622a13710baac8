#include "calendar/holidays.h"

#include <cmath>
#include <cstdio>

namespace marilo {

namespace {

// Dates as one comparable number, yyyymmdd.
constexpr int32_t ymd(int year, int month, int day) { return year * 10000 + month * 100 + day; }

// The holiday law took effect on 20 July 1948.
constexpr int32_t kLawInForce = ymd(1948, 7, 20);
// Substitute holidays: for a holiday on a Sunday from 12 April 1973; from
// 2007 the substitute is the first following day that is no holiday itself.
constexpr int32_t kSubstituteFrom = ymd(1973, 4, 12);
constexpr int32_t kSubstituteNextFreeDayFrom = ymd(2007, 1, 1);
// A day between two holidays is a holiday itself from 1986.
constexpr int kInBetweenFromYear = 1986;

// Days made holidays by laws of their own.
constexpr int32_t kOneOffDays[] = {
    ymd(1959, 4, 10),   // wedding of the Crown Prince
    ymd(1989, 2, 24),   // funeral of the Showa Emperor
    ymd(1990, 11, 12),  // enthronement ceremony
    ymd(1993, 6, 9),    // wedding of the Crown Prince
    ymd(2019, 5, 1),    // accession of the Emperor
    ymd(2019, 10, 22),  // enthronement ceremony
};

bool isOneOffDay(int32_t date) {
    for (int32_t d : kOneOffDays)
        if (d == date) return true;
    return false;
}

// The n-th Monday of the month: days 7n-6 .. 7n.
bool isNthMonday(int day, int weekday, int n) { return weekday == 1 && (day + 6) / 7 == n; }

}  // namespace

int vernalEquinoxDay(int year) {
    const double q = std::trunc(year * 0.25);
    return static_cast<int>(year * 0.24242 - q + 35.84);
}

int autumnalEquinoxDay(int year) {
    const double q = std::trunc(year * 0.25);
    return static_cast<int>(year * 0.24204 - q + 39.01);
}

bool isListedHoliday(int year, int month, int day, int weekday) {
    const int32_t date = ymd(year, month, day);
    if (date < kLawInForce) return false;
    if (isOneOffDay(date)) return true;
    switch (month) {
    case 1:
        if (day == 1) return true;                                          // 元日
        return year < 2000 ? day == 15 : isNthMonday(day, weekday, 2);      // 成人の日
    case 2:
        if (day == 11 && year >= 1967) return true;                         // 建国記念の日
        return day == 23 && year >= 2020;                                   // 天皇誕生日
    case 3:
        return day == vernalEquinoxDay(year);                               // 春分の日
    case 4:
        return day == 29;  // 天皇誕生日 to 1988, みどりの日 to 2006, then 昭和の日
    case 5:
        return day == 3 || day == 5 || (day == 4 && year >= 2007);          // みどりの日 on 4 May
    case 7:                                                                 // 海の日, スポーツの日
        if (year == 2020) return day == 23 || day == 24;
        if (year == 2021) return day == 22 || day == 23;
        if (year >= 2003) return isNthMonday(day, weekday, 3);
        return year >= 1996 && day == 20;
    case 8:                                                                 // 山の日
        if (year == 2020) return day == 10;
        if (year == 2021) return day == 8;
        return year >= 2016 && day == 11;
    case 9:
        if (day == autumnalEquinoxDay(year)) return true;                   // 秋分の日
        if (year >= 2003) return isNthMonday(day, weekday, 3);              // 敬老の日
        return year >= 1966 && day == 15;
    case 10:                                                                // 体育の日, スポーツの日
        if (year == 2020 || year == 2021) return false;                     // moved to July
        if (year >= 2000) return isNthMonday(day, weekday, 2);
        return year >= 1966 && day == 10;
    case 11:
        return day == 3 || day == 23;                                       // 文化の日, 勤労感謝の日
    case 12:
        return day == 23 && year >= 1989 && year <= 2018;                   // 天皇誕生日
    default:
        return false;
    }
}

namespace {

bool listed(const DateTime& d) { return isListedHoliday(d.year, d.month, d.day, d.weekday); }

// Whether `date` is the substitute for a holiday that fell on a Sunday.
bool isSubstituteHoliday(const DateTime& date) {
    DateTime d = date;
    d.previousDay();
    if (!listed(d)) return false;
    if (ymd(d.year, d.month, d.day) < kSubstituteNextFreeDayFrom)
        return d.weekday == 0 && ymd(d.year, d.month, d.day) >= kSubstituteFrom;
    // From 2007 the substitute passes over the holidays that follow the
    // Sunday: walk back through the run of holidays looking for a Sunday.
    // Runs are a few days long at most; the bound only guards the loop.
    for (int i = 0; i < 7 && listed(d); ++i) {
        if (d.weekday == 0) return ymd(d.year, d.month, d.day) >= kSubstituteNextFreeDayFrom;
        d.previousDay();
    }
    return false;
}

bool isInBetweenDay(const DateTime& date) {
    if (date.year < kInBetweenFromYear || date.weekday == 0) return false;
    DateTime before = date;
    before.previousDay();
    if (!listed(before)) return false;
    DateTime after = date;
    after.nextDay();
    return listed(after);
}

}  // namespace

bool isHoliday(DateTime date) {
    return listed(date) || isSubstituteHoliday(date) || isInBetweenDay(date);
}

std::vector<CalendarDate> holidaysOfYear(int year) {
    std::vector<CalendarDate> out;
    if (year < kFirstHolidayYear || year > kLastListedYear) return out;
    DateTime d(year, 1, 1);
    while (d.year == year) {
        if (isHoliday(d)) out.push_back({d.year, d.month, d.day});
        d.nextDay();
    }
    return out;
}

std::string holidayLines(int year) {
    std::string out;
    for (const CalendarDate& d : holidaysOfYear(year)) {
        char line[32];
        std::snprintf(line, sizeof line, "%04d-%02d-%02d\n", static_cast<int>(d.year), static_cast<int>(d.month),
                      static_cast<int>(d.day));
        out += line;
    }
    return out;
}

}  // namespace marilo
