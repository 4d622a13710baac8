#pragma once
// Local calendar dates with an hour and a minute, and the calendar arithmetic
// the tide engine needs: leap years, a continuous day count, day of the year
// and normalisation of out-of-range dates over a month-length table.

#include <cstdint>

namespace marilo {

// Month lengths of a common year indexed 1..12; entry 0 is December of the
// previous year for walks back out of January. February's entry is always 28:
// where a length is needed, February's comes from the year (daysInMonthOf).
extern const int32_t DaysPerMonth[13];

// Gregorian rule: divisible by 4 and not by 100, or divisible by 400.
bool isLeapYearOf(int64_t year);
// Length of month 1..12 of a year.
int32_t daysInMonthOf(int64_t year, int32_t month);

// Days from 1970-01-01 of a date of the proleptic Gregorian calendar, and
// back: the calendar's one day count. Month and day may run past their ends
// (month 13 is January of the next year, day 0 the last day of the month
// before), and any year a 64-bit count reaches is exact.
int64_t daysFromCivil(int64_t year, int64_t month, int64_t day);
void civilFromDays(int64_t days, int64_t& year, int64_t& month, int64_t& day);

// Julian date of 0:00 of the date minus 2451545.0: days from 2000-01-01 12:00,
// so 1 January 2000 gives -0.5. A day past the month's end simply counts on.
double dayNumberOf(int year, int month, int day);

// 0-based day of the year (0 on 1 January) over the given month-length table.
int dayOfYear(int month, int day, const int32_t table[13]);

// Brings month into 1..12 and day into the month, after adding offset days
// (truncated toward zero). Offsets beyond +-20 days are refused: result 1 and
// nothing changed; otherwise 0. The table gives the lengths of every month but
// February, whose length follows the year as the walk crosses year ends, so
// any distance comes out right. The table is only read.
int normalizeDate(const int32_t table[13], int32_t& year, int32_t& month, int32_t& day, double offset);

struct DateTime {
    // State.
    int32_t year;
    int32_t month;   // 1..12
    int32_t day;     // 1..31 once normalised
    int32_t hour;    // 0..24; 24:00 is the end of the date
    int32_t minute;  // 0..59 once normalised
    // Derived by normalize().
    int32_t weekday;         // 0 Sunday .. 6 Saturday
    char weekdayName[8];     // one kanji, cp932
    int32_t daysInMonth;
    char monthName[12];      // "January" .. "December"
    double dayNumber;        // see dayNumberOf()
    int32_t minuteOfDay;     // hour * 60 + minute

    DateTime();  // the present local time, as setNow()
    // A given date and time, normalised. Not part of the value's original
    // interface but handy everywhere a fixed moment is wanted.
    DateTime(int y, int mo, int d, int h = 0, int mi = 0);

    void setNow();
    void setDate(int y, int mo, int d);
    void normalizeTime();
    // Brings the date into range after adding offset days; an offset beyond
    // +-20 days is ignored (the date is still brought into range).
    void normalize(int offset = 0);

    // Each changes this value and returns the new value.
    DateTime addDays(int n);
    DateTime subtractDays(int n);
    DateTime nextDay();
    DateTime previousDay();
};

}  // namespace marilo
