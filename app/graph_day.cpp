#include "app/graph_day.h"

#include "app/tray_logic.h"

namespace marilo {

GraphStyle graphStyleOf(const ControllerSettings& s, int dpi) {
    return {s.graphScale(), s.settings.YH, s.settings.YL, s.settings.YT, s.settings.GraphShowMode, dpi};
}

GraphDay graphDayOf(const ControllerSettings& settings, const DateTime& now, int32_t dayOffset) {
    const DateTime shown = shownDay(now, dayOffset);
    GraphDay g{TideDay(settings.port, shown)};
    g.showsNow = dayOffset == 0;
    g.nowHour = now.hour;
    g.nowMinute = now.minute;
    g.weekdayColor = settings.rules.colorForDate(shown, now.year);
    return g;
}

std::vector<GraphDay> graphDaysOf(const ControllerSettings& settings, const DateTime& now, int32_t dayOffset,
                                  int days) {
    std::vector<GraphDay> out{graphDayOf(settings, now, dayOffset)};
    for (int k = 1; k < days; ++k) out.push_back(graphDayOf(settings, now, dayOffset + k));
    return out;
}

}  // namespace marilo
