#include "engine/astronomy.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/moon.h"
#include "engine/port_table.h"
#include "engine/tide_day.h"

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
        const TideDay t(22, 13, DateTime(c.y, c.m, c.d));
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
        const TideDay t(22, 13, DateTime(c.y, c.m, c.d, 12, 0));
        EXPECT_STREQ(t.phaseName, c.phase) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(t.phaseNumber, c.number) << c.y << "-" << c.m << "-" << c.d;
        if (c.age >= 0) {
            EXPECT_NEAR(t.moonAge, c.age, 0.005) << c.y << "-" << c.m << "-" << c.d;
        }
    }
    EXPECT_STREQ(TideDay(22, 13, DateTime(2000, 1, 1)).tideName, "長潮");
}

TEST(PortTable, AddressingAndConversions) {
    int g = -1, i = -1;
    ASSERT_TRUE(portFromCommandId(50001, g, i));
    EXPECT_EQ(tableIndexOf(g, i), 0);
    ASSERT_TRUE(portFromCommandId(52214, g, i));
    EXPECT_EQ(g, 22);
    EXPECT_EQ(i, 13);
    EXPECT_EQ(tableIndexOf(g, i), 149);
    ASSERT_TRUE(portFromCommandId(58003, g, i));
    EXPECT_EQ(tableIndexOf(g, i), kPortCount - 1);
    EXPECT_FALSE(portFromCommandId(49999, g, i));
    EXPECT_FALSE(portFromCommandId(60001, g, i));
    EXPECT_EQ(portCommandId(22, 13), 52214);
    EXPECT_EQ(tableIndexOf(9, 0), -1);
    EXPECT_EQ(tableIndexOf(80, 3), -1);
    EXPECT_EQ(tableIndexOf(1, -1), -1);

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
