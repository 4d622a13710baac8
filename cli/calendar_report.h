#pragma once
// A month at a glance as text, and days of tides as an iCalendar file.

#include <functional>
#include <string>

#include "calendar/date_time.h"
#include "engine/port_address.h"
#include "engine/tide_month.h"

namespace marilo::cli {

// The month as a title line and one line per day (cp932):
//     田子の浦  2024-03
//     2024-03-01(金) 中潮 　　  H  5:12 150  L 11:30  40  H 17:20 141  L 23:50  20
// date and weekday, tide name, principal phase (two ideographic spaces on a
// day without one), then the high and low waters before 24:00 as the menu's
// 干満時刻 writes them. With `sky`, sunrise and sunset at the end of the line.
std::string monthTable(const TideMonth& month, bool sky);

// `days` days from `first` (its date; the time is ignored) at a port as an
// iCalendar file (RFC 5545), UTF-8 with CRLF line ends and lines folded at
// 75 octets: an event at each high and low water before 24:00 of its day
// ("満潮 154cm", "干潮 89cm"), at its minute in UTC, and an all-day event per
// day with the tide name and the principal phase when one falls on it. UIDs
// come from the date, the port's command ID and the event, and DTSTAMP from
// the date, so the same days give the same file and importing it again
// replaces the events instead of adding them twice. The file is handed to
// `put` as it is made, one folded content line (CRLF included) at a time, so
// its length costs no memory; the first line `put` refuses (false) ends it,
// and the result is false.
bool icsCalendar(PortAddress port, const DateTime& first, int days,
                 const std::function<bool(const std::string&)>& put);

// One content line (UTF-8) folded after 75 octets, never inside a UTF-8
// sequence, each piece ended by CRLF and continued after a space.
std::string icsLine(const std::string& utf8);

}  // namespace marilo::cli
