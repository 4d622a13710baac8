#pragma once
// Moon age, principal phases and the traditional tide name.
//
// The apparent longitudes of the Sun and the Moon come from short series; the
// moments at which the elongation (Moon minus Sun) reaches 0, 90, 180 and 270
// degrees are found by Newton-like steps of the mean synodic rate. Instants are
// days from 2000-01-01 12:00 UT, the dayNumber scale of DateTime.

namespace marilo {

constexpr double kSynodicMonth = 29.5305;
constexpr double kDaysPerDegree = 0.08202916666666667;  // synodic month / 360

// Apparent longitudes in [0, 360) for T in Julian centuries from 2000-01-01 12:00.
double sunLongitude(double T);
double moonLongitude(double T);

// x brought into about -180..180: 190 -> -170, -190 -> 170, 180 -> -180.
double wrap180(double x);

// Instant near t0 at which the elongation equals target degrees.
double phaseSearch(double t0, double target, int iterations);

// Local noon of a date for a zone meridian (degrees east).
double localNoon(double dayNumber, double zoneMeridian);

// Age of the moon at local noon of the date, days since the last new moon.
double computeMoonAge(double dayNumber, double zoneMeridian);

// Index 0..12 into the tide-name table; ages beyond the table count as 大潮.
int tideNameOf(double age);

// Table texts, cp932, NUL-terminated.
const char* tideNameText(int index);    // "大潮", "中潮", ...
const char* phaseNameText(int k);       // k 0..4: " 朔 ", "上弦", " 望 ", "下弦", " 朔 "
extern const char kNoPhaseText[];       // "　　"

// Days from the date's local noon back to each of the five principal phases
// around it: the new moon that began the lunation, the first quarter, the full
// moon, the last quarter and the next new moon (negative when still ahead).
void phaseAges(double dayNumber, double zoneMeridian, double ago[5]);

}  // namespace marilo
