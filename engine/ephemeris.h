#pragma once
// Apparent geocentric places of the Sun and the Moon for rise, set and
// twilight times, from published low-precision series:
//
//  - the Sun: the low-accuracy solar theory of Meeus, Astronomical Algorithms
//    (2nd ed.), ch. 25 (geometric mean longitude and anomaly, equation of the
//    centre), about 0.01 degree;
//  - the Moon: the main periodic terms of ELP-2000/82 as Meeus tabulates them
//    (ch. 47: 60 terms each for longitude and distance, 60 for latitude),
//    about 10 arc seconds in longitude;
//  - nutation by its four largest terms (ch. 22) and the sidereal time of
//    ch. 12.
//
// These are separate from the short longitude series of moon.h, which the
// tide names and phases keep as they are. Instants are days from
// 2000-01-01 12:00 (the dayNumber scale of DateTime); the series take
// Terrestrial Time, the sidereal time Universal Time.

namespace marilo {

struct ApparentPlace {
    double rightAscension;  // degrees, [0, 360), true equator and equinox of date
    double declination;     // degrees
    double distanceKm;      // from the Earth's centre
};

ApparentPlace apparentSun(double ttDays);
ApparentPlace apparentMoon(double ttDays);

// Apparent sidereal time at Greenwich, degrees in [0, 360), at an instant of
// Universal Time.
double greenwichSiderealTime(double utDays);

// TT - UT in seconds for a year: a quadratic of the last decades
// (Espenak and Meeus), held at its ends outside 1950..2150. A minute of
// error here moves a moonrise by about two seconds.
double deltaTSeconds(double year);

}  // namespace marilo
