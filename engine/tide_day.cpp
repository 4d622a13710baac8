#include "engine/tide_day.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "engine/astronomy.h"
#include "engine/moon.h"
#include "engine/turning_points.h"

namespace marilo {

namespace {

int signOf(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

// The scan's first sample, and the end of the day's window: the day reports
// the turning points detected at samples before 31:00.
constexpr int kFirstSample = -100;
constexpr int kWindowEnd = 1860;

}  // namespace

int ExtremeDetector::refineExtreme(double& t, double& level) {
    if (t == -60.0) calls_ = 0;
    double tStar = 0, lStar = 0;
    if (!add(t, level, tStar, lStar) || !(tStar > 0)) return 0;
    t = tStar;
    level = lStar;
    return 1;
}

bool ExtremeDetector::add(double t, double level, double& tStar, double& lStar) {
    T_[0] = T_[1], T_[1] = T_[2], T_[2] = T_[3], T_[3] = t;
    L_[0] = L_[1], L_[1] = L_[2], L_[2] = L_[3], L_[3] = level;
    D_[0] = D_[1], D_[1] = D_[2], D_[2] = L_[3] - L_[2];
    S_[0] = S_[1], S_[1] = S_[2], S_[2] = signOf(D_[2]);
    ++calls_;
    if (calls_ <= 3 || S_[0] == S_[1]) return false;

    // The difference changed sign between the intervals around T1: place the
    // turning point at the zero of the difference interpolated over the
    // interval midpoints.
    const double half = (T_[3] - T_[2]) * 0.5;
    const double m0 = T_[0] + half, m1 = T_[1] + half, m2 = T_[2] + half;
    const double F = -D_[0] / (D_[1] - D_[0]);
    tStar = ((1 - F) * m0 * 0.5 + F * m1) * (2 - F) - F * (1 - F) * m2 * 0.5;

    // The level there, on the parabola through the last three samples.
    const double G = (tStar - T_[1]) / (T_[2] - T_[1]);
    lStar = ((1 - G) * L_[1] * 0.5 + G * L_[2]) * (2 - G) - G * (1 - G) * L_[3] * 0.5;
    return true;
}

TideDay::TideDay() {
    setPort(PortAddress());
}

TideDay::TideDay(PortAddress at, const DateTime& when) {
    date = when;
    setPort(at);
}

void TideDay::setDate(const DateTime& d) {
    date = d;
    compute();
}

void TideDay::setPort(PortAddress at) {
    portGroup = at.group();
    portIndex = at.index();
    compute();
}

PortAddress TideDay::address() const {
    // Only setPort() writes the pair, from a valid address.
    return PortAddress::at(portGroup, portIndex).value_or(PortAddress());
}

void TideDay::loadPort() {
    const PortAddress at = address();
    port = at.record();
    std::memcpy(portName, port.name, sizeof portName);
    portName[sizeof portName - 1] = '\0';
    latitudeRaw = std::atof(port.latitudeText);
    longitudeRaw = std::atof(port.longitudeText);
    meanLevel = std::atof(port.meanLevelText);
    upperLevel = meanLevel + port.amplitude[kM2];
    lowerLevel = meanLevel - port.amplitude[kM2];
    latitude = degMinToDegrees(latitudeRaw);
    longitude = degMinToDegrees(longitudeRaw);
    zoneMeridian = at.zoneMeridian();
}

double TideDay::levelAt(double hours) const {
    double sum = meanLevel;
    for (int i = 0; i < kConstituentCount; ++i) {
        // A constituent the port has none of would add exactly zero: skip
        // its cosine (nine of the forty at almost every port).
        if (port.amplitude[i] == 0) continue;
        sum += nodalF[i] * port.amplitude[i] *
               std::cos((localArgument[i] + speed[i] * hours - port.phaseLag[i]) * kDegToRad);
    }
    return sum;
}

double TideDay::levelAtTime(int32_t hour, int32_t minute) const { return levelAt(hoursOf(hour, minute)); }

void TideDay::compute() {
    loadPort();

    isLeapYear = isLeapYearOf(date.year);
    dayNumber = dayNumberOf(date.year, date.month, date.day);
    // Days since 1 January 2000 less 365 for each year since: the leap days
    // since 2000 plus the day of the year, by the Gregorian rule, under which
    // 1900 and 2100 have no leap day.
    const int D = static_cast<int>(dayNumber + 0.5) - 365 * (date.year - 2000);

    const MeanLongitudes ml = meanLongitudes(date.year, D);
    const NodalBasePairs base = nodalBase(ml.p, ml.N);
    double v0[kConstituentCount];
    equilibriumArguments(ml.s, ml.h, ml.p, v0);
    expandNodalU(base, nodalU);
    expandNodalF(base, nodalF);

    for (int i = 0; i < kConstituentCount; ++i) {
        argument[i] = mod360(v0[i] + nodalU[i]);
        species[i] = Constituents[i].species;
        speed[i] = Constituents[i].speed;
        // Greenwich argument carried to the port's longitude and to 0:00 of
        // its zone time.
        localArgument[i] =
            mod360(argument[i] + species[i] * longitude + zoneMeridian * (-0.06666666666666667) * speed[i]);
    }

    const double tn = hoursOf(date.hour, date.minute);
    levelNow = levelAt(tn);
    rateNow = (levelAt(tn + 0.125) - levelAt(tn - 0.125)) * 0.06666666666666667;

    scanExtremes();

    moonAge = computeMoonAge(dayNumber, zoneMeridian);
    tideNameIndex = tideNameOf(moonAge);
    std::memset(tideName, 0, sizeof tideName);
    std::strcpy(tideName, tideNameText(tideNameIndex));
    computeMoonPhase();
}

void TideDay::scanExtremes() {
    for (TideExtreme& x : extremes) {
        x.hour = kNoHour;
        x.kind = kUnclassified;
    }
    // The scan starts before 0:00 so that a stand across midnight is seen
    // whole; only turning points after 0:00 fill the slots.
    TurningPoints points(*this, kFirstSample);
    int n = 0;
    int32_t firstKind = kUnclassified;
    Turn turn{};
    while (n < kExtremeSlots && points.next(turn, kWindowEnd)) {
        if (!(turn.point.minute > 0)) continue;
        TideExtreme& x = extremes[n];
        const int whole = static_cast<int>(turn.point.minute);
        x.hour = whole / 60;
        x.minute = whole % 60;
        x.level = turn.point.level;
        // Each turning point is a high or a low water by the way the level
        // ran into it. (Telling them apart by comparing the first two levels
        // and alternating from there mislabels a whole day when two turning
        // points fall between two samples.) A lone first turning point stays
        // unclassified until a second one is found; from the third on,
        // turning points after midnight stay unclassified.
        const int32_t kind = turn.high ? kHighWater : kLowWater;
        if (n == 0) {
            firstKind = kind;
        } else if (n == 1) {
            extremes[0].kind = firstKind;
            x.kind = kind;
        } else {
            x.kind = x.hour >= 24 ? kUnclassified : kind;
        }
        ++n;
    }
}

void TideDay::computeMoonPhase() {
    double ago[5];
    phaseAges(dayNumber, zoneMeridian, ago);
    std::memset(phaseName, 0, sizeof phaseName);
    std::strcpy(phaseName, kNoPhaseText);
    phaseNumber = 0;
    // Each phase belongs to the date whose local noon is within half a day.
    for (int k = 0; k < 5; ++k) {
        const int n = static_cast<int>(std::floor((ago[k] * 10 + 5) * 0.1));
        int32_t y = date.year, mo = date.month, d = date.day - n;
        normalizeDate(DaysPerMonth, y, mo, d, 0);
        if (mo == date.month && d == date.day) {
            std::memset(phaseName, 0, sizeof phaseName);
            std::strcpy(phaseName, phaseNameText(k));
            phaseNumber = k + 1;
        }
    }
}

}  // namespace marilo
