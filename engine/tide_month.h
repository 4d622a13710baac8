#pragma once
// A month at a glance: for one port and one calendar month, each day's tide
// name, moon age and phase, its high and low waters and its sunrise and
// sunset. The month table of the command line, the month picture and the
// calendar export all read this one record. A plain value, no heap storage.

#include <cstdint>

#include "calendar/date_time.h"
#include "engine/port_address.h"
#include "engine/rise_set.h"
#include "engine/tide_day.h"

namespace marilo {

// At most this many high and low waters fall within one day: the daily
// solution keeps five turning points, the last of which may lie after 24:00.
constexpr int kMonthDayWaters = kExtremeSlots;

struct MonthDay {
    DateTime date{};              // 0:00 of the day
    int32_t tideNameIndex = 0;    // 0..12
    char tideName[8]{};           // "大潮" ...
    double moonAge = 0;           // days, at 12:00 zone time
    int32_t phaseNumber = 0;      // 0 none; 1..5 as TideDay: a principal phase falls on this day
    char phaseName[8]{};          // " 朔 ", "上弦", " 望 ", "下弦" or "　　"
    int32_t waterCount = 0;       // high and low waters before 24:00, in time order
    TideExtreme waters[kMonthDayWaters]{};  // kind kHighWater or kLowWater, hour < 24
    int32_t sunrise = kNoEvent;   // minutes after 0:00 zone time, or kNoEvent
    int32_t sunset = kNoEvent;

    bool hasPhase() const { return phaseNumber != 0; }
};

struct TideMonth {
    PortAddress port;
    char portName[20]{};
    int32_t year = 0;
    int32_t month = 0;            // 1..12
    int32_t dayCount = 0;         // days in the month
    int32_t firstWeekday = 0;     // of the 1st: 0 Sunday .. 6 Saturday
    MonthDay days[31]{};          // days[0] is the 1st
};

// The high and low waters of a solved day that belong to its date: those
// classified high or low before 24:00. A turning point after midnight is
// the next day's, and that day's solution lists it again.
bool belongsToDay(const TideExtreme& x);

// A solved day at a glance, without its sunrise and sunset.
MonthDay monthDayOf(const TideDay& solved);

// The month of `year` (1000..9999) and `month` (1..12) at a port.
TideMonth tideMonth(PortAddress port, int year, int month);

// One high or low water as the popup's 干満時刻 writes it, cp932:
// "H %2d:%02d %3.0f" for a high water, "L %2d:%02d %3.0f" for a low water,
// empty for any other kind.
struct WaterText {
    char text[24]{};
};
WaterText waterText(int32_t kind, int32_t hour, int32_t minute, double level);
inline WaterText waterText(const TideExtreme& x) { return waterText(x.kind, x.hour, x.minute, x.level); }

}  // namespace marilo
