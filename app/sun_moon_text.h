#pragma once
// The day's light and moon as the popup menu shows them, under its high and
// low waters (cp932):
//     日の出 6:37  日の入り 16:27
//     月の出 4:54  月の入り 14:48
// with "-" for an event the date lacks.

#include "engine/port_address.h"
#include "engine/rise_set.h"

namespace marilo {

struct SunMoonMenuLines {
    char sun[40]{};
    char moon[40]{};
};

SunMoonMenuLines sunMoonMenuLines(const SunMoonTimes& times);
// The same for a port and a date: sunMoonTimes() and the lines in one call,
// once per menu opening.
SunMoonMenuLines sunMoonMenuLines(PortAddress port, int year, int month, int day);

// "6:37" for a minute of the day, "-" for kNoEvent.
struct ShortClock {
    char text[8]{};
};
ShortClock shortClock(int32_t minuteOfDay);

}  // namespace marilo
