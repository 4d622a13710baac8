#pragma once
// The built-in table of harmonic constants: 358 ports, 40 constituents each,
// grouped by prefecture code, and how a port is addressed.

#include <cstdint>

namespace marilo {

constexpr int kConstituentCount = 40;
constexpr int kPortCount = 358;

// One port. Amplitudes in cm; phase lags kappa in degrees relative to the
// local equilibrium argument; texts cp932, NUL-padded.
struct PortRecord {
    double amplitude[kConstituentCount];
    double phaseLag[kConstituentCount];
    char name[20];
    char latitudeText[20];   // "dd.mm": degrees, a point, two digits of minutes
    char longitudeText[20];  // "ddd.mm", east
    char meanLevelText[20];  // Z0 above chart datum, cm, decimal text
};

extern const PortRecord PortTable[kPortCount];

// A constituent of the harmonic sum: its name, angular speed in degrees per
// hour and species (cycles per day, for the longitude term).
struct Constituent {
    const char* name;
    double speed;
    int32_t species;
};
extern const Constituent Constituents[kConstituentCount];

// Constituent indices the engine refers to by name.
enum ConstituentIndex : int { kSa = 0, kO1 = 7, kK1 = 13, kM2 = 24, kS2 = 28 };

// A group is a run of consecutive table entries under one menu heading; its
// number is the prefecture code (80 for the ports abroad).
struct PortGroup {
    int32_t group;
    int32_t firstIndex;
    int32_t count;
    const char* heading;
};
constexpr int kGroupCount = 41;
extern const PortGroup PortGroups[kGroupCount];

// The group record of a group number, or nullptr for a number with no group.
const PortGroup* findGroup(int group);

// "dd.mm" read as a decimal to decimal degrees: 35.08 -> 35 + 8/60.
double degMinToDegrees(double x);

}  // namespace marilo
