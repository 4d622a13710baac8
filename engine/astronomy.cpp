#include "engine/astronomy.h"

#include <cmath>

namespace marilo {

double mod360(double x) { return x - 360 * std::floor(x * 0.002777777777777778); }

MeanLongitudes meanLongitudes(int year, int D) {
    const int Y = year - 2000;
    return {
        mod360(13.176396 * D + 129.38471 * Y + 211.728),
        mod360(0.985647 * D - 0.23871 * Y + 279.974),
        mod360(0.111404 * D + 40.66229 * Y + 83.298),
        mod360(125.071 - (0.052954 * D + 19.32812 * Y)),
    };
}

NodalBasePairs nodalBase(double p, double N) {
    const double n1 = N * kDegToRad;
    const double n2 = mod360(2 * N) * kDegToRad;
    const double n3 = mod360(3 * N) * kDegToRad;
    const double c1 = std::cos(n1), c2 = std::cos(n2), c3 = std::cos(n3);
    const double s1 = std::sin(n1), s2 = std::sin(n2), s3 = std::sin(n3);

    NodalBasePairs b{};
    b.pair[kBaseMm] = {1 - 0.13 * c1 + 0.0013 * c2, 0};
    b.pair[kBaseMf] = {1.0429 + 0.4135 * c1 - 0.004 * c2, -23.74 * s1 + 2.68 * s2 - 0.38 * s3};
    b.pair[kBaseO1] = {1.0089 + 0.1871 * c1 - 0.0147 * c2 + 0.0014 * c3, 10.8 * s1 - 1.34 * s2 + 0.19 * s3};
    b.pair[kBaseK1] = {1.006 + 0.115 * c1 - 0.0088 * c2 + 0.0006 * c3, -8.86 * s1 + 0.68 * s2 - 0.07 * s3};
    b.pair[kBaseJ1] = {1.0129 + 0.1676 * c1 - 0.017 * c2 + 0.0016 * c3, -12.94 * s1 + 1.34 * s2 - 0.19 * s3};
    b.pair[kBaseOO1] = {1.1027 + 0.6504 * c1 + 0.0317 * c2 - 0.0014 * c3, -36.68 * s1 + 4.02 * s2 - 0.57 * s3};
    b.pair[kBaseM2] = {1.0004 - 0.0373 * c1 + 0.0002 * c2, -2.14 * s1};
    b.pair[kBaseK2] = {1.0241 + 0.2863 * c1 + 0.0083 * c2 - 0.0015 * c3, -17.74 * s1 + 0.68 * s2 - 0.04 * s3};

    // L2 and M1 are the angle and length of a vector (a, b). The length is
    // taken directly rather than as b / sin u or a / cos u, which are 0 / 0
    // when the vector lies on an axis.
    const double p2 = p * 0.0349065850398866;  // 2p in radians
    const double pr = p * kDegToRad;
    {
        const double a = 1 - 0.2505 * std::cos(p2) - 0.1102 * std::cos(p2 - n1) - 0.0156 * std::cos(p2 - 2 * n1) -
                         0.037 * c1;
        const double bb = -0.2505 * std::sin(p2) - 0.1102 * std::sin(p2 - n1) - 0.0156 * std::sin(p2 - 2 * n1) -
                          0.037 * s1;
        const double u = std::atan2(bb, a) * kDegreesPerRadian;
        b.pair[kBaseL2] = {std::hypot(a, bb), u};
    }
    {
        const double a = 2 * std::cos(pr) + 0.4 * std::cos(pr - n1);
        const double bb = std::sin(pr) + 0.2 * std::sin(pr - n1);
        const double u = std::atan2(bb, a) * kDegreesPerRadian;
        b.pair[kBaseM1] = {std::hypot(a, bb), u};
    }
    return b;
}

void equilibriumArguments(double s, double h, double p, double v0[kConstituentCount]) {
    const double v[kConstituentCount] = {
        h,                        // Sa
        2 * h,                    // Ssa
        s - p,                    // Mm
        2 * s - 2 * h,            // MSf
        2 * s,                    // Mf
        -3 * s + h + p + 270,     // Q1
        -3 * s + 3 * h - p + 270, // rho1
        -2 * s + h + 270,         // O1
        -2 * s + 3 * h - 270,     // MP1
        -s + h + 90,              // M1
        192 - 2 * h,              // pi1
        270 - h,                  // P1
        180,                      // S1
        h + 90,                   // K1
        2 * h + 168,              // psi1
        3 * h + 90,               // phi1
        s + h - p + 90,           // J1
        2 * s - h - 270,          // SO1
        2 * s + h + 90,           // OO1
        2 * h + 2 * p - 4 * s,    // 2N2
        4 * h - 4 * s,            // mu2
        2 * h - 3 * s + p,        // N2
        4 * h - 3 * s - p,        // nu2
        180 - 2 * s,              // OP2
        2 * h - 2 * s,            // M2
        p - s + 180,              // lambda2
        2 * h - s - p + 180,      // L2
        282 - h,                  // T2
        0,                        // S2
        h + 258,                  // R2
        2 * h,                    // K2
        2 * s - 2 * h,            // 2SM2
        3 * h - 4 * s + 270,      // MO3
        3 * h - 3 * s + 180,      // M3
        3 * h - 2 * s + 90,       // MK3
        h + 90,                   // SK3
        4 * h - 4 * s,            // M4
        2 * h - 2 * s,            // MS4
        6 * h - 6 * s,            // M6
        4 * h - 4 * s,            // 2MS6
    };
    for (int i = 0; i < kConstituentCount; ++i) v0[i] = v[i];
}

void expandNodalU(const NodalBasePairs& base, double u[kConstituentCount]) {
    const double mf = base.pair[kBaseMf].u, o1 = base.pair[kBaseO1].u, k1 = base.pair[kBaseK1].u;
    const double j1 = base.pair[kBaseJ1].u, oo1 = base.pair[kBaseOO1].u, m2 = base.pair[kBaseM2].u;
    const double k2 = base.pair[kBaseK2].u, l2 = base.pair[kBaseL2].u, m1 = base.pair[kBaseM1].u;
    const double v[kConstituentCount] = {
        0,   0,   0,   -m2, mf,  o1,  o1,  o1,  m2,     m1,      // Sa .. M1
        0,   0,   0,   k1,  0,   0,   j1,  -o1, oo1,    m2,      // pi1 .. 2N2
        m2,  m2,  m2,  o1,  m2,  m2,  l2,  0,   0,      0,       // mu2 .. R2
        k2,  -m2, m2 + o1, 1.5 * m2, m2 + k1, k1, 2 * m2, m2, 3 * m2, 2 * m2,  // K2 .. 2MS6
    };
    for (int i = 0; i < kConstituentCount; ++i) u[i] = v[i];
}

void expandNodalF(const NodalBasePairs& base, double f[kConstituentCount]) {
    const double mm = base.pair[kBaseMm].f, mf = base.pair[kBaseMf].f, o1 = base.pair[kBaseO1].f;
    const double k1 = base.pair[kBaseK1].f, j1 = base.pair[kBaseJ1].f, oo1 = base.pair[kBaseOO1].f;
    const double m2 = base.pair[kBaseM2].f, k2 = base.pair[kBaseK2].f, l2 = base.pair[kBaseL2].f;
    const double m1 = base.pair[kBaseM1].f;
    const double v[kConstituentCount] = {
        1,  1,  mm, m2, mf, o1, o1, o1,  m2, m1,                                         // Sa .. M1
        1,  1,  1,  k1, 1,  1,  j1, o1,  oo1, m2,                                        // pi1 .. 2N2
        m2, m2, m2, o1, m2, m2, l2, 1,   1,  1,                                          // mu2 .. R2
        k2, m2, m2 * o1, std::pow(m2, 1.5), m2 * k1, k1, m2 * m2, m2, m2 * m2 * m2, m2 * m2,  // K2 .. 2MS6
    };
    for (int i = 0; i < kConstituentCount; ++i) f[i] = v[i];
}

}  // namespace marilo
