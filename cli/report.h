#pragma once
// Text and tab-separated reports of daily solutions. Texts are cp932, like
// the engine's; the caller converts them for the terminal.

#include <string>

#include "alerts/alert_scheduler.h"
#include "engine/tide_day.h"

namespace marilo::cli {

// "HH:MM" of a time counted from 0:00 of the date (hours 24 and above kept),
// or "" for the empty hour 99.
std::string clockText(int hour, int minute);

// A day as a few readable lines; stage times must have been computed.
std::string formatDay(const TideDay& t);

std::string tsvHeader();
std::string tsvRow(const TideDay& t);

// --alerts: the header, and one row per announcement: date, time of the
// announcement, the three lines, the kind.
std::string alertsTsvHeader();
std::string alertTsvRow(const DateTime& minute, const Alert& alert);

// Every port: table index, group, index in group, command ID, name.
std::string portList();

}  // namespace marilo::cli
