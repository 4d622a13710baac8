#pragma once
// Text and tab-separated reports of daily solutions. Texts are cp932, like
// the engine's; the caller converts them for the terminal.

#include <cstdio>
#include <string>

#include "alerts/alert_scheduler.h"
#include "engine/rise_set.h"
#include "engine/tide_day.h"

namespace marilo::cli {

// printf into a string, cut at 255 bytes.
std::string format(const char* fmt, auto... args) {
    char buf[256];
    const int n = std::snprintf(buf, sizeof buf, fmt, args...);
    return std::string(buf, n < 0 ? 0 : (n < static_cast<int>(sizeof buf) ? n : sizeof buf - 1));
}

// "HH:MM" of a time counted from 0:00 of the date (hours 24 and above kept),
// or "" for the empty hour 99.
std::string clockText(int hour, int minute);

// A day as a few readable lines; stage times must have been computed. A
// port whose constants come from a distant station has the note under the
// header line. With `sky`, a last line of sunrise, sunset, moonrise, moonset
// and the civil twilight (dawn to dusk), "--:--" for an event the date lacks.
std::string formatDay(const TideDay& t, const SunMoonTimes* sky = nullptr);

// With `sky`, six more columns: civil_dawn, sunrise, sunset, civil_dusk,
// moonrise and moonset (HH:MM, empty when the date has none).
std::string tsvHeader(bool sky = false);
std::string tsvRow(const TideDay& t, const SunMoonTimes* sky = nullptr);

// --alerts: the header, and one row per announcement: date, time of the
// announcement, the three lines, the kind.
std::string alertsTsvHeader();
std::string alertTsvRow(const DateTime& minute, const Alert& alert);

// Every port: table index, group, index in group, command ID, name.
std::string portList();
// The ports a search text finds, one line each: command ID, name and the
// groups it is filed under, tab-separated (cp932). Empty when none.
std::string foundPorts(const std::string& cp932Query);

}  // namespace marilo::cli
