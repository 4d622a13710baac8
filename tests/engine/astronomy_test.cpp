#include "engine/astronomy.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/moon.h"
#include "engine/port_address.h"
#include "engine/tide_day.h"
#include "tests/port_at.h"

namespace marilo {
namespace {

TEST(Astronomy, MeanLongitudesAtTheEpoch) {
    const MeanLongitudes m = meanLongitudes(2000, 0);
    EXPECT_NEAR(m.s, 211.728, 1e-9);
    EXPECT_NEAR(m.h, 279.974, 1e-9);
    EXPECT_NEAR(m.p, 83.298, 1e-9);
    EXPECT_NEAR(m.N, 125.071, 1e-9);
}

TEST(Astronomy, DayCountsFollowJulianDates) {
    // Julian dates of 0:00 of each date, from published tables (the epochs
    // of 2000, of the modified Julian date and of Unix time among them).
    struct Case {
        int y, m, d;
        double jd;
    };
    const Case cases[] = {{2000, 1, 1, 2451544.5},  {1858, 11, 17, 2400000.5}, {1970, 1, 1, 2440587.5},
                          {2024, 1, 11, 2460320.5}, {2024, 2, 29, 2460369.5},  {2001, 1, 1, 2451910.5},
                          {1901, 3, 1, 2415444.5},  {2100, 3, 1, 2488128.5},   {2150, 1, 1, 2506331.5}};
    for (const Case& c : cases) {
        const TideDay t(portAt(22, 13), DateTime(c.y, c.m, c.d));
        EXPECT_DOUBLE_EQ(t.dayNumber, c.jd - 2451545.0) << c.y << "-" << c.m << "-" << c.d;
        // The astronomical arguments are those of the mean longitudes as many
        // days after 1 January 2000 (the yearly terms agree with 365 daily
        // steps to 0.0002 degrees a year); a day more or less would move
        // M2's by 24 degrees.
        const MeanLongitudes ml = meanLongitudes(2000, static_cast<int>(c.jd - 2451544.5));
        double v0[kConstituentCount], u[kConstituentCount];
        equilibriumArguments(ml.s, ml.h, ml.p, v0);
        expandNodalU(nodalBase(ml.p, ml.N), u);
        EXPECT_NEAR(wrap180(t.argument[kM2] - v0[kM2] - u[kM2]), 0, 0.5) << c.y << "-" << c.m << "-" << c.d;
    }
}

TEST(Astronomy, Mod360UsesFloor) {
    EXPECT_DOUBLE_EQ(mod360(-10), 350);
    EXPECT_DOUBLE_EQ(mod360(370), 10);
    EXPECT_DOUBLE_EQ(mod360(0), 0);
}

TEST(Astronomy, NodalCorrectionsWithTheNodeAtZero) {
    const NodalBasePairs b = nodalBase(0, 0);
    for (int k : {kBaseMf, kBaseO1, kBaseK1, kBaseJ1, kBaseOO1, kBaseM2, kBaseK2}) EXPECT_NEAR(b.pair[k].u, 0, 1e-12);
    EXPECT_NEAR(b.pair[kBaseM2].f, 0.9633, 1e-12);
    // With p and N both 0 the L2 and M1 vectors lie on the axis: their
    // lengths must still be finite and positive.
    EXPECT_GT(b.pair[kBaseL2].f, 0);
    EXPECT_GT(b.pair[kBaseM1].f, 0);
    double f[kConstituentCount], u[kConstituentCount];
    expandNodalF(b, f);
    expandNodalU(b, u);
    for (int i = 0; i < kConstituentCount; ++i) {
        EXPECT_TRUE(std::isfinite(f[i])) << i;
        EXPECT_TRUE(std::isfinite(u[i])) << i;
    }
    EXPECT_NEAR(f[38], 0.9633 * 0.9633 * 0.9633, 1e-12);  // M6
}

TEST(Moon, TideNamesAndPhases) {
    EXPECT_EQ(tideNameOf(1.5), 0);
    EXPECT_EQ(tideNameOf(1.51), 1);
    EXPECT_EQ(tideNameOf(30.0), 12);
    EXPECT_EQ(tideNameOf(31.0), 12);
    EXPECT_EQ(tideNameOf(-0.2), 0);
    EXPECT_DOUBLE_EQ(wrap180(190), -170);
    EXPECT_DOUBLE_EQ(wrap180(-190), 170);
    EXPECT_DOUBLE_EQ(wrap180(180), -180);
    EXPECT_DOUBLE_EQ(phaseSearch(12.5, 90, 0), 12.5);

    struct Case {
        int y, m, d;
        const char* phase;
        int number;
        double age;  // negative: not checked
    };
    const Case cases[] = {
        {2024, 1, 11, " 朔 ", 5, 29.14}, {2024, 1, 18, "上弦", 2, 6.62}, {2024, 1, 25, "　　", 0, -1},
        {2024, 1, 26, " 望 ", 3, -1},    {2024, 2, 3, "下弦", 4, -1},    {2024, 2, 10, " 朔 ", 1, 0.16},
        {2000, 1, 1, "　　", 0, 24.18},
    };
    for (const Case& c : cases) {
        const TideDay t(portAt(22, 13), DateTime(c.y, c.m, c.d, 12, 0));
        EXPECT_STREQ(t.phaseName, c.phase) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(t.phaseNumber, c.number) << c.y << "-" << c.m << "-" << c.d;
        if (c.age >= 0) {
            EXPECT_NEAR(t.moonAge, c.age, 0.005) << c.y << "-" << c.m << "-" << c.d;
        }
    }
    EXPECT_STREQ(TideDay(portAt(22, 13), DateTime(2000, 1, 1)).tideName, "長潮");
}

TEST(PortTable, AddressingAndConversions) {
    EXPECT_EQ(PortAddress::fromCommandId(50001)->row(), 0);
    const PortAddress tago = *PortAddress::fromCommandId(52214);
    EXPECT_EQ(tago.group(), 22);
    EXPECT_EQ(tago.index(), 13);
    EXPECT_EQ(tago.row(), 149);
    EXPECT_EQ(tago, PortAddress());  // the default port
    EXPECT_EQ(tago.commandId(), 52214);
    EXPECT_STREQ(tago.record().name, "田子の浦");
    EXPECT_EQ(PortAddress::fromCommandId(58003)->row(), kPortCount - 1);
    EXPECT_EQ(PortAddress::ofRow(kPortCount - 1), PortAddress::at(80, 2));
    // IDs outside the port commands, and pairs outside the table: a group
    // that does not exist, an index past a group's end or before its start.
    for (int id : {49999, 50000, 60001, 50914, 58004, 52219, 1134}) EXPECT_FALSE(PortAddress::fromCommandId(id)) << id;
    EXPECT_FALSE(PortAddress::at(9, 0));
    EXPECT_FALSE(PortAddress::at(22, 99));
    EXPECT_FALSE(PortAddress::at(80, 3));
    EXPECT_FALSE(PortAddress::at(1, -1));
    EXPECT_FALSE(PortAddress::ofRow(-1));
    EXPECT_FALSE(PortAddress::ofRow(kPortCount));

    EXPECT_NEAR(degMinToDegrees(50.43), 50.716666666666667, 1e-12);
    EXPECT_NEAR(degMinToDegrees(6.59), 6.983333333333333, 1e-12);
    EXPECT_NEAR(degMinToDegrees(158.13), 158.21666666666667, 1e-12);
    EXPECT_NEAR(degMinToDegrees(-35.30), -35.5, 1e-12);

    // Groups tile the table in order, and every name fits with its terminator.
    int next = 0;
    for (const PortGroup& pg : PortGroups) {
        EXPECT_EQ(pg.firstIndex, next) << pg.group;
        next += pg.count;
    }
    EXPECT_EQ(next, kPortCount);
    for (const PortRecord& r : PortTable) EXPECT_EQ(r.name[sizeof r.name - 1], '\0');
}

}  // namespace
}  // namespace marilo
