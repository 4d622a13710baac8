#pragma once
// What the tide graph shows: the shown day's solution, the present moment
// when that day is today, and the colour its weekday takes from the rules;
// and how it is drawn: its magnification and axes from the settings.
// The graph reads every level it draws from this one solution.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/graph_frame.h"
#include "app/settings.h"
#include "base/screen_scale.h"
#include "base/theme.h"
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

// How the graph is drawn, from the settings.
struct GraphStyle {
    int32_t scale = 2;  // m: 1, 2 or 3
    int32_t top = 180;     // level at the plot's top row, cm
    int32_t bottom = -20;  // level at its bottom row
    int32_t tick = 50;     // spacing of the level grid
    int32_t showMode = kGraphShowTimeAndLevel;  // what is written at high and low water
    int32_t dpi = kBaseDpi;  // of the screen it is drawn for
    Theme theme{};           // the system's, for the palette it is drawn with

    // The frame at the scale, held to 1..3.
    GraphFrame frame() const { return {std::clamp(scale, 1, 3), screenDpiOrBase(dpi)}; }
};
// The style of the stored settings, for a screen of `dpi`.
GraphStyle graphStyleOf(const ControllerSettings& settings, int dpi = kBaseDpi);

// The graph of today + dayOffset at the selected port, with `now` the
// present moment in the port's zone time (today is the port's today).
GraphDay graphDayOf(const ControllerSettings& settings, const DateTime& now, int32_t dayOffset);
// The graphs of `days` consecutive days from today + dayOffset (at least one).
std::vector<GraphDay> graphDaysOf(const ControllerSettings& settings, const DateTime& now, int32_t dayOffset,
                                  int days);

}  // namespace marilo
