#include "app/sun_moon_text.h"

#include <cstdio>

namespace marilo {

ShortClock shortClock(int32_t minuteOfDay) {
    ShortClock c;
    if (minuteOfDay < 0 || minuteOfDay >= 1440)
        std::snprintf(c.text, sizeof c.text, "-");
    else
        std::snprintf(c.text, sizeof c.text, "%d:%02d", static_cast<int>(minuteOfDay / 60),
                      static_cast<int>(minuteOfDay % 60));
    return c;
}

SunMoonMenuLines sunMoonMenuLines(const SunMoonTimes& times) {
    SunMoonMenuLines lines;
    std::snprintf(lines.sun, sizeof lines.sun, "日の出 %s  日の入り %s", shortClock(times.sunrise).text,
                  shortClock(times.sunset).text);
    std::snprintf(lines.moon, sizeof lines.moon, "月の出 %s  月の入り %s", shortClock(times.moonrise).text,
                  shortClock(times.moonset).text);
    return lines;
}

SunMoonMenuLines sunMoonMenuLines(PortAddress port, int year, int month, int day) {
    return sunMoonMenuLines(sunMoonTimes(port, year, month, day));
}

}  // namespace marilo
