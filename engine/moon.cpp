#include "engine/moon.h"

#include <cmath>

#include "engine/astronomy.h"

namespace marilo {

namespace {

constexpr double kCenturiesPerDay = 2.7378507871321012e-05;  // 1 / 36525

const char kTideNames[13][5] = {"大潮", "中潮", "小潮", "長潮", "若潮", "中潮", "大潮",
                                "中潮", "小潮", "長潮", "若潮", "中潮", "大潮"};
const double kTideNameBounds[13] = {1.5, 5.5, 8.5, 9.5, 10.5, 12.5, 16.5, 20.5, 23.5, 24.5, 25.5, 27.5, 30.5};
const char kPhaseNames[5][5] = {" 朔 ", "上弦", " 望 ", "下弦", " 朔 "};

// Periodic terms of the Moon's longitude: amplitude (deg), rate (deg per
// century) and phase (deg) of A cos(R T + phi).
struct MoonTerm {
    double a, r, phi;
};
const MoonTerm kMoonTerms[] = {
    {6.2888, 477198.868, 44.963}, {1.274, 413335.35, 10.74},  {0.6583, 890534.22, 145.7},
    {0.2136, 954397.74, 179.93},  {0.1851, 35999.05, 87.53},  {0.1144, 966404, 276.5},
    {0.0588, 63863.5, 124.2},     {0.0571, 377336.3, 13.2},   {0.0533, 1367733.1, 280.7},
    {0.0458, 854535.2, 148.2},    {0.0409, 441199.8, 47.4},   {0.0347, 445267.1, 27.9},
    {0.0304, 513197.9, 222.5},
};

double elongation(double t) {
    const double T = t * kCenturiesPerDay;
    return moonLongitude(T) - sunLongitude(T);
}

// Start of the current lunation near local noon: step back by the elongation
// at the mean rate, then refine.
double newMoonBefore(double tNoon) {
    double e = elongation(tNoon);
    if (e < 0) e += 360;
    return phaseSearch(tNoon - e * kDaysPerDegree, 0, 3);
}

}  // namespace

const char kNoPhaseText[] = "　　";

double sunLongitude(double T) {
    // The same angle serves as mean longitude base and as anomaly.
    const double M = mod360(T * 36000.77) + 357.53;
    return mod360(M - (77.06 - 1.91 * std::sin(M * kDegToRad)));
}

double moonLongitude(double T) {
    const double x = T * 481267.8809;
    const double x0 = x - 360 * std::floor(x * 0.002777777777777778);
    double sum = x0 + 218.316 - 0.00133 * T * T;
    for (const MoonTerm& term : kMoonTerms) sum += term.a * std::cos(mod360(term.r * T + term.phi) * kDegToRad);
    return mod360(sum);
}

double wrap180(double x) {
    const double sigma = x > 0 ? 1 : (x < 0 ? -1 : 0);
    return x - 360 * std::trunc((sigma * 180 + x) * 0.002777777777777778);
}

double phaseSearch(double t0, double target, int iterations) {
    double t = t0;
    for (int i = 0; i < iterations; ++i) t -= wrap180(elongation(t) - target) * kDaysPerDegree;
    return t;
}

double localNoon(double dayNumber, double zoneMeridian) {
    return dayNumber + (180 - zoneMeridian) * 0.002777777777777778;
}

double computeMoonAge(double dayNumber, double zoneMeridian) {
    const double tNoon = localNoon(dayNumber, zoneMeridian);
    return tNoon - newMoonBefore(tNoon);
}

int tideNameOf(double age) {
    for (int i = 0; i < 13; ++i)
        if (age <= kTideNameBounds[i]) return i;
    return 12;  // past the table: the next new moon is at hand
}

const char* tideNameText(int index) { return kTideNames[index < 0 || index > 12 ? 0 : index]; }

const char* phaseNameText(int k) { return kPhaseNames[k < 0 || k > 4 ? 0 : k]; }

void phaseAges(double dayNumber, double zoneMeridian, double ago[5]) {
    const double tNoon = localNoon(dayNumber, zoneMeridian);
    const double tNew = newMoonBefore(tNoon);
    const double t[5] = {tNew, phaseSearch(tNew + 7.38, 90, 2), phaseSearch(tNew + 14.77, 180, 2),
                         phaseSearch(tNew + 22.15, 270, 2), phaseSearch(tNew + kSynodicMonth, 0, 2)};
    for (int k = 0; k < 5; ++k) ago[k] = tNoon - t[k];
}

}  // namespace marilo
