#pragma once
// Date and time patterns as the tray tooltips use them, formatted the way a
// Japanese desktop shows them: "yyyy" year, "M"/"MM" month, "d"/"dd" day,
// "ddd" the weekday's kanji, "h"/"hh" 12-hour clock, "H"/"HH" 24-hour clock,
// "m"/"mm" minute, "tt" 午前/午後, text in single quotes taken literally.
// Output is cp932.

#include <string>

#include "calendar/date_time.h"

namespace marilo {

std::string formatDatePattern(const char* pattern, const DateTime& when);

}  // namespace marilo
