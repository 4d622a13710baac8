#pragma once
// The month window's tip for a day: its date, sunrise and sunset, civil
// twilight, moonrise and moonset, the clock times as `marilo-cli --month
// --sun` writes them ("6:03", "-" for an event the day lacks):
//     3月10日(日)
//     日の出 6:03  日の入り 17:49
//     薄明 5:38 - 18:14
//     月の出 6:01  月の入り 17:40

#include <string>

#include "engine/port_address.h"
#include "engine/rise_set.h"

namespace marilo {

std::u16string daySkyTip(int month, int day, const char* weekdayName, const SunMoonTimes& times);
std::u16string daySkyTip(PortAddress port, int year, int month, int day);

}  // namespace marilo
