#include "calendar/date_time.h"

#include <cmath>
#include <cstring>

#include "calendar/clock.h"

namespace marilo {

const int32_t DaysPerMonth[13] = {31, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

namespace {

// Weekday names in 3-byte slots, month names in 10-byte slots, as the
// program has always laid them out.
const char kWeekdayNames[7][3] = {"日", "月", "火", "水", "木", "金", "土"};
const char kMonthNames[13][10] = {"",     "January", "February", "March",     "April",
                                  "May",  "June",    "July",     "August",    "September",
                                  "October", "November", "December"};

// Length of a month of the table (0 is December), February's from the year.
int32_t lengthOf(const int32_t table[13], int64_t year, int32_t month) {
    return month == 2 ? daysInMonthOf(year, 2) : table[month];
}

int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

bool isLeapYearOf(int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int32_t daysInMonthOf(int64_t year, int32_t month) {
    static const int32_t kLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeapYearOf(year) ? 29 : kLengths[month];
}

int64_t daysFromCivil(int64_t y, int64_t m, int64_t d) {
    // Carry the month into the year, then count from 1 March so that the leap
    // day ends the year, in eras of 400 years (146,097 days).
    y += floorDiv(m - 1, 12);
    m -= floorDiv(m - 1, 12) * 12;
    y -= m <= 2;
    const int64_t era = floorDiv(y, 400);
    const int64_t yoe = y - era * 400;                                   // 0..399
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;  // from 1 March
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, int64_t& y, int64_t& m, int64_t& d) {
    z += 719468;
    const int64_t era = floorDiv(z, 146097);
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = yoe + era * 400 + (m <= 2);
}

// The Julian date formula with the Gregorian correction in every year
// (JD = trunc(365.25 y) + trunc(30.6001 (m + 1)) + d + B + 1720994.5 with
// January and February counted as months 13 and 14 of the year before) is
// this same count, shifted from 1970-01-01 to 2000-01-01 12:00.
double dayNumberOf(int year, int month, int day) { return static_cast<double>(daysFromCivil(year, month, day)) - 10957.5; }

int dayOfYear(int month, int day, const int32_t table[13]) {
    int n = day - 1;
    for (int m = 1; m < month && m <= 12; ++m) n += table[m];
    return n;
}

int normalizeDate(const int32_t table[13], int32_t& year, int32_t& month, int32_t& day, double offset) {
    if (offset < -20 || offset > 20) return 1;
    while (month > 12) {
        month -= 12;
        year += 1;
    }
    while (month < 1) {
        month += 12;
        year -= 1;
    }
    day += static_cast<int32_t>(offset);
    for (;;) {
        if (day > lengthOf(table, year, month)) {
            day -= lengthOf(table, year, month);
            month += 1;
            if (month > 12) {
                month -= 12;
                year += 1;
            }
        } else if (day >= 1) {
            return 0;
        } else {
            month -= 1;
            day += lengthOf(table, year, month);  // entry 0 stands for December
            if (month == 0) {
                month = 12;
                year -= 1;
            }
        }
    }
}

DateTime::DateTime() { setNow(); }

DateTime::DateTime(int y, int mo, int d, int h, int mi) : year(y), month(mo), day(d), hour(h), minute(mi) {
    normalizeTime();
    normalize(0);
}

void DateTime::setNow() {
    const CivilTime t = localNow();
    year = t.year;
    month = t.month;
    day = t.day;
    hour = t.hour;
    minute = t.minute;
    normalize(0);
}

void DateTime::setDate(int y, int mo, int d) {
    year = y;
    month = mo;
    day = d;
    normalize(0);
}

void DateTime::normalizeTime() {
    if (minute >= 60) {
        hour += minute / 60;
        minute %= 60;
    }
    if (hour > 24) {
        day += hour / 24;
        hour %= 24;
    }
}

void DateTime::normalize(int offset) {
    if (normalizeDate(DaysPerMonth, year, month, day, offset) != 0) normalizeDate(DaysPerMonth, year, month, day, 0);
    dayNumber = dayNumberOf(year, month, day);
    const double x = dayNumber + 6.5;
    weekday = static_cast<int32_t>(x - 7 * std::floor(x * 0.14285714285714285));
    std::memset(weekdayName, 0, sizeof weekdayName);
    std::memcpy(weekdayName, kWeekdayNames[weekday], sizeof kWeekdayNames[0]);
    std::memset(monthName, 0, sizeof monthName);
    std::memcpy(monthName, kMonthNames[month], sizeof kMonthNames[0]);
    daysInMonth = daysInMonthOf(year, month);
    minuteOfDay = hour * 60 + minute;
}

DateTime DateTime::addDays(int n) {
    day += n;
    normalize(0);
    return *this;
}

DateTime DateTime::subtractDays(int n) {
    day -= n;
    normalize(0);
    return *this;
}

DateTime DateTime::nextDay() { return addDays(1); }

DateTime DateTime::previousDay() { return subtractDays(1); }

}  // namespace marilo
