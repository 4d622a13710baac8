#pragma once
// Sunrise, sunset, civil twilight, moonrise and moonset of one date at a
// place, in the zone time of its standard meridian.
//
// Definitions, for an observer at sea level:
//  - civil dawn and dusk: the Sun's centre 6 degrees below the horizon
//    (no refraction);
//  - sunrise and sunset: the Sun's upper limb on the horizon, with the
//    standard refraction of 34';
//  - moonrise and moonset: the Moon's upper limb on the horizon, with the
//    same refraction and the Moon's horizontal parallax.
// Each time is rounded to the nearest minute of the date. A date without
// the event (a moonrise skips about one date a month) has kNoEvent.
//
// Computed on demand, apart from the daily tide solution: the tide graph and
// the alerts solve many TideDays and never need these.

#include <cstdint>

#include "engine/port_address.h"

namespace marilo {

constexpr int32_t kNoEvent = -1;

// Minutes after 0:00 zone time, 0..1439, or kNoEvent. An event in the last
// half minute of a date shows as 23:59: it belongs to that date.
struct SunMoonTimes {
    int32_t civilDawn = kNoEvent;
    int32_t sunrise = kNoEvent;
    int32_t sunset = kNoEvent;
    int32_t civilDusk = kNoEvent;
    int32_t moonrise = kNoEvent;
    int32_t moonset = kNoEvent;
};

// Where the events are seen.
struct Site {
    double latitude = 0;      // degrees north
    double longitude = 0;     // degrees east
    double zoneMeridian = 0;  // standard meridian of the zone time, degrees east
};

// A port's position as the table holds it and the meridian of its zone time.
Site siteOf(PortAddress port);

SunMoonTimes sunMoonTimes(const Site& site, int year, int month, int day);
SunMoonTimes sunMoonTimes(PortAddress port, int year, int month, int day);

}  // namespace marilo
