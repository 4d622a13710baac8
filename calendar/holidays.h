#pragma once
// Japanese national holidays under the law as it stood in each year: the
// listed days (fixed dates, the equinoxes, the Monday holidays and the
// one-off days), the substitute holiday and the day between two holidays.

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/date_time.h"

namespace marilo {

// Day of March / September of the equinox holiday, by the usual formula:
// trunc(year * 0.24242 - trunc(year / 4) + 35.84) and
// trunc(year * 0.24204 - trunc(year / 4) + 39.01).
int vernalEquinoxDay(int year);
int autumnalEquinoxDay(int year);

// A day the law names as a holiday of its own, in that year: no substitute
// or in-between logic. `weekday` (0 Sunday .. 6 Saturday) must be that of
// the date; it decides the Monday holidays.
bool isListedHoliday(int year, int month, int day, int weekday);

// The full test: listed holidays, substitute holidays (from 12 April 1973)
// and a day between two holidays (from 1986). `date` needs its derived
// fields current; it is not changed.
bool isHoliday(DateTime date);

// Every holiday of the year in date order. The law took effect on 20 July
// 1948, so earlier years have none; years past kLastListedYear are not
// listed (empty result) rather than run into the limits of the date type.
struct CalendarDate {
    int32_t year;
    int32_t month;
    int32_t day;
};
constexpr int kFirstHolidayYear = 1948;
constexpr int kLastListedYear = 9999;
std::vector<CalendarDate> holidaysOfYear(int year);
// The same as text, one "YYYY-MM-DD" line per holiday.
std::string holidayLines(int year);

}  // namespace marilo
