#pragma once
// The program's one source of the present moment. Everything that asks for
// "now" (DateTime::setNow(), the tray's clock, the command line) reads it
// here: the machine's clock plus an offset that starts at 0. Setting the
// offset moves the whole program to another moment, from which its clock
// runs on in real time; that is how tests and the end-to-end bench put the
// program at a chosen day and minute (the MARILO_NOW environment variable).

#include <cstdint>
#include <optional>
#include <string_view>

namespace marilo {

// A civil date and time of day, fields as people write them.
struct CivilTime {
    int32_t year = 1970;
    int32_t month = 1;   // 1..12
    int32_t day = 1;     // 1..31
    int32_t hour = 0;    // 0..23
    int32_t minute = 0;  // 0..59
    int32_t second = 0;  // 0..59 (60 on a leap second)
};

// Seconds since 1970-01-01 00:00 UTC by the machine's clock plus the offset.
int64_t epochNow();

// The present moment in the machine's local time zone. Reentrant.
CivilTime localNow();

// The UTC date and time of an epoch second (proleptic Gregorian calendar).
CivilTime civilFromEpoch(int64_t seconds);
// The epoch second of a UTC date and time; the inverse of civilFromEpoch().
int64_t epochFromCivil(const CivilTime& utc);

// The present moment in the zone time of a standard meridian (degrees east,
// 15 degrees to the hour), whatever the machine's own time zone.
CivilTime zoneNow(double meridianDegrees);

// The offset in seconds added to the machine's clock; 0 until set.
void setClockOffset(int64_t seconds);
// Sets the offset so that the local clock reads `local` now.
void startClockAt(const CivilTime& local);

// "YYYY-MM-DDTHH:MM" (optionally ":SS"), a local date and time that exists
// in the calendar, from 1970 on; none for anything else.
std::optional<CivilTime> parseClockStart(std::string_view text);
// Starts the clock at such a text; false, and the clock left alone, when the
// text is malformed.
bool startClockFrom(std::string_view text);

}  // namespace marilo
