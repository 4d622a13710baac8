#include "engine/ephemeris.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/angles.h"

namespace marilo {

namespace {

constexpr double kDaysPerCentury = 36525;
constexpr double kAuKm = 149597870.7;

double reduce360(double x) { return x - 360 * std::floor(x / 360); }

// Nutation in longitude and obliquity and the mean obliquity, degrees.
struct Nutation {
    double dPsi, dEps, meanObliquity;
};

Nutation nutation(double T) {
    const double omega = (125.04452 - 1934.136261 * T) * kRadiansPerDegree;  // Moon's ascending node
    const double sunL = (280.4665 + 36000.7698 * T) * kRadiansPerDegree;
    const double moonL = (218.3165 + 481267.8813 * T) * kRadiansPerDegree;
    Nutation n;
    n.dPsi = (-17.20 * std::sin(omega) - 1.32 * std::sin(2 * sunL) - 0.23 * std::sin(2 * moonL) +
              0.21 * std::sin(2 * omega)) / 3600;
    n.dEps = (9.20 * std::cos(omega) + 0.57 * std::cos(2 * sunL) + 0.10 * std::cos(2 * moonL) -
              0.09 * std::cos(2 * omega)) / 3600;
    n.meanObliquity = 23.4392911111 + (-46.8150 * T - 0.00059 * T * T + 0.001813 * T * T * T) / 3600;
    return n;
}

// Ecliptic longitude and latitude of date (degrees) to right ascension and
// declination with the true obliquity.
ApparentPlace fromEcliptic(double lambda, double beta, double obliquity, double distanceKm) {
    const double l = lambda * kRadiansPerDegree, b = beta * kRadiansPerDegree, e = obliquity * kRadiansPerDegree;
    const double ra = std::atan2(std::sin(l) * std::cos(e) - std::tan(b) * std::sin(e), std::cos(l));
    const double dec = std::asin(std::sin(b) * std::cos(e) + std::cos(b) * std::sin(e) * std::sin(l));
    return {reduce360(ra / kRadiansPerDegree), dec / kRadiansPerDegree, distanceKm};
}

// Periodic terms of the Moon: multiples of the elongation D, the Sun's
// anomaly M, the Moon's anomaly M' and the argument of latitude F, with the
// coefficient of the sine of longitude (1e-6 degree) and of the cosine of
// distance (1e-3 km); and of the sine of latitude.
struct LongitudeTerm {
    int8_t d, m, mp, f;
    int32_t sl, sr;
};
struct LatitudeTerm {
    int8_t d, m, mp, f;
    int32_t sb;
};

const LongitudeTerm kLongitudeTerms[] = {
    {0, 0, 1, 0, 6288774, -20905355}, {2, 0, -1, 0, 1274027, -3699111}, {2, 0, 0, 0, 658314, -2955968},
    {0, 0, 2, 0, 213618, -569925},    {0, 1, 0, 0, -185116, 48888},     {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},     {2, -1, -1, 0, 57066, -152138},   {2, 0, 1, 0, 53322, -170733},
    {2, -1, 0, 0, 45758, -204586},    {0, 1, -1, 0, -40923, -129620},   {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},     {2, 0, 0, -2, 15327, 10321},      {0, 0, 1, 2, -12528, 0},
    {0, 0, 1, -2, 10980, 79661},      {4, 0, -1, 0, 10675, -34782},     {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},      {2, 1, -1, 0, -7888, 24208},      {2, 1, 0, 0, -6766, 30824},
    {1, 0, -1, 0, -5163, -8379},      {1, 1, 0, 0, 4987, -16675},       {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},       {4, 0, 0, 0, 3861, -11650},       {2, 0, -3, 0, 3665, 14403},
    {0, 1, -2, 0, -2689, -7003},      {2, 0, -1, 2, -2602, 0},          {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},        {2, -2, 0, 0, 2236, -9884},       {0, 1, 2, 0, -2120, 5751},
    {0, 2, 0, 0, -2069, 0},           {2, -2, -1, 0, 2048, -4950},      {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0},           {4, -1, -1, 0, 1215, -3958},      {0, 0, 2, 2, -1110, 0},
    {3, 0, -1, 0, -892, 3258},        {2, 1, 1, 0, -810, 2616},         {4, -1, -2, 0, 759, -1897},
    {0, 2, -1, 0, -713, -2117},       {2, 2, -1, 0, -700, 2354},        {2, 1, -2, 0, 691, 0},
    {2, -1, 0, -2, 596, 0},           {4, 0, 1, 0, 549, -1423},         {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571},        {1, 0, -2, 0, -487, -1739},       {2, 1, 0, -2, -399, 0},
    {0, 0, 2, -2, -381, -4421},       {1, 1, 1, 0, 351, 0},             {3, 0, -2, 0, -340, 0},
    {4, 0, -3, 0, 330, 0},            {2, -1, 2, 0, 327, 0},            {0, 2, 1, 0, -323, 1165},
    {1, 1, -1, 0, 299, 0},            {2, 0, 3, 0, 294, 0},             {2, 0, -1, -2, 0, 8752},
};

const LatitudeTerm kLatitudeTerms[] = {
    {0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602}, {0, 0, 1, -1, 277693}, {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},  {2, 0, -1, -1, 46271}, {2, 0, 0, 1, 32573},  {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},   {0, 0, 2, -1, 8822},  {2, -1, 0, -1, 8216},  {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},    {2, 1, 0, -1, -3359}, {2, -1, -1, 1, 2463},  {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065}, {0, 1, -1, -1, -1870}, {4, 0, -1, -1, 1828}, {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},   {0, 1, -1, 1, -1565}, {1, 0, 0, 1, -1491},   {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},  {0, 1, 0, -1, -1344}, {1, 0, 0, -1, -1335},  {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},   {4, 0, -1, 1, 833},   {0, 0, 1, -3, 777},    {4, 0, -2, 1, 671},
    {2, 0, 0, -3, 607},    {2, 0, 2, -1, 596},   {2, -1, 1, -1, 491},   {2, 0, -2, 1, -451},
    {0, 0, 3, -1, 439},    {2, 0, 2, 1, 422},    {2, 0, -3, -1, 421},   {2, 1, -1, 1, -366},
    {2, 1, 0, 1, -351},    {4, 0, 0, 1, 331},    {2, -1, 1, 1, 315},    {2, -2, 0, -1, 302},
    {0, 0, 1, 3, -283},    {2, 1, 1, -1, -229},  {1, 1, 0, -1, 223},    {1, 1, 0, 1, 223},
    {0, 1, -2, -1, -220},  {2, 1, -1, -1, -220}, {1, 0, 1, 1, -185},    {2, -1, -2, -1, 181},
    {0, 1, 2, 1, -177},    {4, 0, -2, -1, 176},  {4, -1, -1, -1, 166},  {1, 0, 1, -1, -164},
    {4, 0, 1, -1, 132},    {1, 0, -1, -1, -119}, {4, -1, 0, -1, 115},   {2, -2, 0, 1, 107},
};

}  // namespace

ApparentPlace apparentSun(double ttDays) {
    const double T = ttDays / kDaysPerCentury;
    const double L0 = 280.46646 + T * (36000.76983 + T * 0.0003032);
    const double M = (357.52911 + T * (35999.05029 - T * 0.0001537)) * kRadiansPerDegree;
    const double C = (1.914602 - T * (0.004817 + T * 0.000014)) * std::sin(M) +
                     (0.019993 - T * 0.000101) * std::sin(2 * M) + 0.000289 * std::sin(3 * M);
    const double e = 0.016708634 - T * (0.000042037 + T * 0.0000001267);
    const double nu = M + C * kRadiansPerDegree;
    const double R = 1.000001018 * (1 - e * e) / (1 + e * std::cos(nu));  // AU
    const Nutation n = nutation(T);
    // True longitude, less the annual aberration (20.4898" at 1 AU), plus nutation.
    const double lambda = L0 + C - 0.0056916 / R + n.dPsi;
    return fromEcliptic(lambda, 0, n.meanObliquity + n.dEps, R * kAuKm);
}

ApparentPlace apparentMoon(double ttDays) {
    const double T = ttDays / kDaysPerCentury;
    const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
    const double Lp = 218.3164477 + 481267.88123421 * T - 0.0015786 * T2 + T3 / 538841 - T4 / 65194000;
    const double D = 297.8501921 + 445267.1114034 * T - 0.0018819 * T2 + T3 / 545868 - T4 / 113065000;
    const double M = 357.5291092 + 35999.0502909 * T - 0.0001536 * T2 + T3 / 24490000;
    const double Mp = 134.9633964 + 477198.8675055 * T + 0.0087414 * T2 + T3 / 69699 - T4 / 14712000;
    const double F = 93.2720950 + 483202.0175233 * T - 0.0036539 * T2 - T3 / 3526000 + T4 / 863310000;
    const double A1 = 119.75 + 131.849 * T, A2 = 53.09 + 479264.290 * T, A3 = 313.45 + 481266.484 * T;
    // The Earth's orbit grows rounder: terms in M scale by E per power of M.
    const double E = 1 - 0.002516 * T - 0.0000074 * T2;
    const double scale[3] = {1, E, E * E};

    const double d = reduce360(D) * kRadiansPerDegree, m = reduce360(M) * kRadiansPerDegree, mp = reduce360(Mp) * kRadiansPerDegree,
                 f = reduce360(F) * kRadiansPerDegree;
    double sl = 0, sr = 0, sb = 0;
    for (const LongitudeTerm& k : kLongitudeTerms) {
        const double arg = k.d * d + k.m * m + k.mp * mp + k.f * f;
        const double s = scale[k.m < 0 ? -k.m : k.m];
        sl += k.sl * s * std::sin(arg);
        if (k.sr != 0) sr += k.sr * s * std::cos(arg);
    }
    for (const LatitudeTerm& k : kLatitudeTerms)
        sb += k.sb * scale[k.m < 0 ? -k.m : k.m] * std::sin(k.d * d + k.m * m + k.mp * mp + k.f * f);
    // Actions of Venus and Jupiter and of the Earth's flattening.
    sl += 3958 * std::sin(A1 * kRadiansPerDegree) + 1962 * std::sin((Lp - F) * kRadiansPerDegree) + 318 * std::sin(A2 * kRadiansPerDegree);
    sb += -2235 * std::sin(Lp * kRadiansPerDegree) + 382 * std::sin(A3 * kRadiansPerDegree) + 175 * std::sin((A1 - F) * kRadiansPerDegree) +
          175 * std::sin((A1 + F) * kRadiansPerDegree) + 127 * std::sin((Lp - Mp) * kRadiansPerDegree) - 115 * std::sin((Lp + Mp) * kRadiansPerDegree);

    const Nutation n = nutation(T);
    return fromEcliptic(Lp + sl / 1e6 + n.dPsi, sb / 1e6, n.meanObliquity + n.dEps, 385000.56 + sr / 1000);
}

double greenwichSiderealTime(double utDays) {
    const double T = utDays / kDaysPerCentury;
    const double mean = 280.46061837 + 360.98564736629 * utDays + T * T * (0.000387933 - T / 38710000);
    const Nutation n = nutation(T);
    return reduce360(mean + n.dPsi * std::cos((n.meanObliquity + n.dEps) * kRadiansPerDegree));
}

double deltaTSeconds(double year) {
    const double t = std::clamp(year, 1950.0, 2150.0) - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
}

}  // namespace marilo
