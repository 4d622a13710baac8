#include "app/day_sky_tip.h"

#include <cstdio>

#include "app/sun_moon_text.h"
#include "calendar/date_time.h"
#include "platform/cp932.h"

namespace marilo {

std::u16string daySkyTip(int month, int day, const char* weekdayName, const SunMoonTimes& t) {
    char text[160];
    std::snprintf(text, sizeof text, "%d月%d日(%s)\n日の出 %s  日の入り %s\n薄明 %s - %s\n月の出 %s  月の入り %s", month, day,
                  weekdayName, shortClock(t.sunrise).text, shortClock(t.sunset).text, shortClock(t.civilDawn).text,
                  shortClock(t.civilDusk).text, shortClock(t.moonrise).text, shortClock(t.moonset).text);
    return cp932ToUtf16(text);
}

std::u16string daySkyTip(PortAddress port, int year, int month, int day) {
    const DateTime date(year, month, day);
    return daySkyTip(month, day, date.weekdayName, sunMoonTimes(port, year, month, day));
}

}  // namespace marilo
