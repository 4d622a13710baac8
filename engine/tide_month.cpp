#include "engine/tide_month.h"

#include <cstdio>
#include <cstring>

#include "base/shown_number.h"

namespace marilo {

bool belongsToDay(const TideExtreme& x) {
    return !x.empty() && x.hour < 24 && (x.kind == kHighWater || x.kind == kLowWater);
}

MonthDay monthDayOf(const TideDay& solved) {
    MonthDay d;
    d.date = solved.date;
    d.tideNameIndex = solved.tideNameIndex;
    std::memcpy(d.tideName, solved.tideName, sizeof d.tideName);
    d.moonAge = solved.moonAge;
    d.phaseNumber = solved.phaseNumber;
    std::memcpy(d.phaseName, solved.phaseName, sizeof d.phaseName);
    for (const TideExtreme& x : solved.extremes)
        if (belongsToDay(x)) d.waters[d.waterCount++] = x;
    return d;
}

TideMonth tideMonth(PortAddress port, int year, int month) {
    TideMonth m;
    m.port = port;
    m.year = year;
    m.month = month;
    const DateTime first(year, month, 1);
    m.dayCount = first.daysInMonth;
    m.firstWeekday = first.weekday;
    TideDay solved(port, first);
    std::memcpy(m.portName, solved.portName, sizeof m.portName);
    for (int k = 0; k < m.dayCount; ++k) {
        if (k > 0) solved.setDate(DateTime(year, month, k + 1));
        MonthDay& d = m.days[k];
        d = monthDayOf(solved);
        const SunMoonTimes sky = sunMoonTimes(port, year, month, k + 1);
        d.sunrise = sky.sunrise;
        d.sunset = sky.sunset;
    }
    return m;
}

WaterText waterText(int32_t kind, int32_t hour, int32_t minute, double level) {
    WaterText w;
    if (kind == kHighWater || kind == kLowWater)
        std::snprintf(w.text, sizeof w.text, kind == kHighWater ? "H %2d:%02d %3.0f" : "L %2d:%02d %3.0f",
                      static_cast<int>(hour), static_cast<int>(minute), shownNumber(level, 0));
    return w;
}

}  // namespace marilo
