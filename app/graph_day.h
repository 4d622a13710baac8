#pragma once
// What the tide graph shows: the shown day's solution, the present moment
// when that day is today, and the colour its weekday takes from the rules.
// The graph reads every level it draws from this one solution.

#include <cstdint>

#include "app/settings.h"
#include "calendar/date_time.h"
#include "engine/tide_day.h"

namespace marilo {

struct GraphDay {
    TideDay day;               // the shown day at the selected port, solved at 0:00
    bool showsNow = false;     // the shown day is today: the present moment is marked
    int32_t nowHour = 0;       // the present moment, when showsNow
    int32_t nowMinute = 0;
    uint32_t weekdayColor = 0;  // of the shown day; 0 when no rule matches
};

// The graph of today + dayOffset at the selected port, with `now` the
// present moment in the port's zone time (today is the port's today).
GraphDay graphDayOf(const ControllerSettings& settings, const DateTime& now, int32_t dayOffset);

}  // namespace marilo
