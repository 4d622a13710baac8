#pragma once
// The daily tide solution of one port and one date.
//
// The level at t hours after 0:00 zone time is the harmonic sum
//     L(t) = Z0 + sum_i f_i H_i cos(V_i + sigma_i t - kappa_i)
// over the 40 constituents: H and kappa from the port table, f and u from the
// nodal corrections, V the local equilibrium argument at 0:00 and sigma the
// speed. TideDay is a plain value with no heap storage: callers copy it and
// keep several side by side.

#include <cstdint>

#include "calendar/date_time.h"
#include "engine/port_address.h"
#include "engine/port_table.h"

namespace marilo {

constexpr int kExtremeSlots = 5;
constexpr int32_t kNoHour = 99;

enum ExtremeKind : int32_t { kHighWater = 0, kLowWater = 1, kUnclassified = 2 };

struct TideExtreme {
    int32_t hour = 0;    // from 0:00 of the date; 24 and above lie on the next day; 99 empty
    int32_t minute = 0;
    double level = 0;    // cm above chart datum
    int32_t kind = 0;    // ExtremeKind
    int32_t stage30Hour = 0;  // 30% of the way to the next turning point; 99 none
    int32_t stage30Minute = 0;
    int32_t stage70Hour = 0;  // 70% of the way; 99 none
    int32_t stage70Minute = 0;

    bool empty() const { return hour == kNoHour; }
    int minutes() const { return hour * 60 + minute; }
};

// Finds turning points in a series of equally spaced samples. Each call hands
// the next (time, level); when the sign of the first difference has changed,
// the zero of the interpolated difference gives the refined time and a
// quadratic through the last three samples the refined level.
class ExtremeDetector {
public:
    // Returns 1 and overwrites t (minutes) and level with the turning point
    // when one is found after 0:00 (t > 0), 0 otherwise. A time of exactly -60
    // restarts the count.
    int refineExtreme(double& t, double& level);
    // Hands the next sample (t minutes, level). From the fourth sample on,
    // returns true when the level turned near the sample two before this
    // one, with the refined time and level in tStar and lStar, wherever they
    // lie (refineExtreme reports only those after 0:00).
    bool add(double t, double level, double& tStar, double& lStar);
    // Whether the level was rising into the turning point just reported
    // (a high water) rather than falling (a low water).
    bool wasRising() const { return S_[0] > 0 || (S_[0] == 0 && S_[1] < 0); }

private:
    int calls_ = 0;
    double T_[4] = {};
    double L_[4] = {};
    double D_[3] = {};
    int S_[3] = {};
};

struct TideDay {
    bool isLeapYear = false;
    int32_t tideNameIndex = 0;   // 0..12
    double moonAge = 0;          // days, at 12:00 zone time of the date
    char tideName[8]{};        // "大潮" ...
    double levelNow = 0;         // cm above chart datum at date's hour:minute
    double rateNow = 0;          // cm per minute, positive while rising
    char phaseName[8]{};       // " 朔 ", "上弦", " 望 ", "下弦" or "　　"
    int32_t phaseNumber = 0;     // 0 none; 1 new, 2 first quarter, 3 full, 4 last quarter, 5 next new
    int32_t portGroup = 0;       // the selected port's group and index, as
    int32_t portIndex = 0;       // setPort() took them from its address
    char portName[20]{};
    DateTime date{};
    TideExtreme extremes[kExtremeSlots]{};
    double dayNumber = 0;
    double meanLevel = 0;        // Z0, cm
    double upperLevel = 0;       // Z0 + H(M2)
    double lowerLevel = 0;       // Z0 - H(M2)
    double latitudeRaw = 0;      // dd.mm as read
    double latitude = 0;         // degrees
    double longitudeRaw = 0;
    double longitude = 0;        // degrees east
    double zoneMeridian = 0;     // degrees east
    int32_t species[kConstituentCount]{};
    double argument[kConstituentCount]{};       // V0 + u at 0:00 UT, [0, 360)
    double localArgument[kConstituentCount]{};  // at 0:00 zone time at the port, [0, 360)
    double nodalU[kConstituentCount]{};
    double nodalF[kConstituentCount]{};
    double speed[kConstituentCount]{};          // degrees per hour
    PortRecord port{};

    // The present local time at the default port.
    TideDay();
    // A given port and moment.
    TideDay(PortAddress port, const DateTime& when);

    void setDate(const DateTime& d);
    void setPort(PortAddress port);
    // The selected port.
    PortAddress address() const;
    void compute();
    // 30% and 70% stage times of each turning point; call after compute().
    void computeStages();

    // Level in cm at t hours after 0:00 zone time of the date (t may be
    // negative or beyond 24).
    double levelAt(double hours) const;

private:
    void loadPort();
    void scanExtremes();
    void computeMoonPhase();
};

// A turning point as the scan finds it, before truncation to whole minutes.
struct TurningPoint {
    double minute = 0;  // from 0:00 of the date
    double level = 0;   // cm
};

// The turning point that follows slot `slot` of a solved day: the next slot,
// or, after the last filled slot, the next one found by carrying the day's
// scan past its window (the one the following day's solution reports, to a
// minute or two and a millimetre). False when the slot is empty or none is
// found within a day after it.
bool nextTurningPoint(const TideDay& day, int slot, TurningPoint& next);

}  // namespace marilo
