#pragma once
// Astronomical arguments and nodal corrections of the 40 constituents.
//
// The equilibrium argument V0 of each constituent is a sum of multiples of
// four mean longitudes (s Moon, h Sun, p lunar perigee, N lunar node) plus a
// constant; the nodal factor f and phase u scale and shift it for the 18.6-year
// cycle of the node. All angles are degrees.

#include "engine/angles.h"
#include "engine/port_table.h"

namespace marilo {


// x reduced into [0, 360) with floor, so -10 becomes 350.
double mod360(double x);

struct MeanLongitudes {
    double s;  // Moon
    double h;  // Sun
    double p;  // lunar perigee
    double N;  // Moon's ascending node
};

// D counts days since 1 January of the year plus the leap days since 2000.
MeanLongitudes meanLongitudes(int year, int D);

// Nodal factor and phase of one base constituent.
struct NodalPair {
    double f;
    double u;  // degrees
};

// The ten base pairs, in this order.
enum NodalBase : int { kBaseMm, kBaseMf, kBaseO1, kBaseK1, kBaseJ1, kBaseOO1, kBaseM2, kBaseK2, kBaseL2, kBaseM1, kBaseCount };
struct NodalBasePairs {
    NodalPair pair[kBaseCount];
};

NodalBasePairs nodalBase(double p, double N);

// V0 of each constituent at 0:00 UT, degrees, not reduced.
void equilibriumArguments(double s, double h, double p, double v0[kConstituentCount]);

// u and f of the 40 constituents from the base pairs.
void expandNodalU(const NodalBasePairs& base, double u[kConstituentCount]);
void expandNodalF(const NodalBasePairs& base, double f[kConstituentCount]);

}  // namespace marilo
