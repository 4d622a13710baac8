// Invariants of the generated port table (engine/port_table_data.cpp, written
// by tools/porttable/generate.mjs): the table's fixed original rows, the form of the
// texts, the ranges of the constants, and the mean level rule.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/port_table.h"

namespace marilo {
namespace {

// "dd.mm" or "ddd.mm": digits, a point, exactly two digits of minutes below 60.
bool isDegMin(const char* text, int maxDegrees) {
    const char* dot = std::strchr(text, '.');
    if (dot == nullptr || dot == text || std::strlen(dot + 1) != 2) return false;
    for (const char* p = text; *p; ++p)
        if (p != dot && (*p < '0' || *p > '9')) return false;
    const int degrees = std::atoi(text), minutes = std::atoi(dot + 1);
    return degrees <= maxDegrees && minutes < 60;
}

double parsed(const char* text) { return degMinToDegrees(std::atof(text)); }

TEST(PortTableData, OriginalRowsAreKeptDigitForDigit) {
    const double wakkanaiAmplitude[kConstituentCount] = {
        10.8, 0.8, 0.6, 0.6, 1.6, 1.5, 0.3, 6.7, 0.3, 0.2, 0.2, 2.3, 0.1, 7, 0.5, 0.3, 0.2, 0.3, 0.4, 0.2,
        0.3, 0.6, 0.1, 0.2, 2.6, 0.1, 0.1, 0.2, 2.1, 0.1, 0.9, 0.1, 0.1, 0.4, 0.2, 0.1, 0.3, 0.2, 0, 0};
    const double wakkanaiPhase[kConstituentCount] = {
        158.5, 215.2, 100.2, 22.1, 194.8, 329.8, 330.2, 351, 114, 26.4, 324.7, 10.8, 165.7, 18.1,
        68.3, 335.6, 30.5, 210.5, 80.5, 121.3, 101.2, 148.7, 141.6, 276.1, 115.2, 25.6, 58.6, 170.5,
        147.2, 92.1, 131.2, 280.2, 310.9, 194, 38.5, 147, 267.2, 291.5, 92.6, 209.8};
    const PortRecord& w = PortTable[1];
    for (int i = 0; i < kConstituentCount; ++i) {
        EXPECT_EQ(w.amplitude[i], wakkanaiAmplitude[i]) << Constituents[i].name;
        EXPECT_EQ(w.phaseLag[i], wakkanaiPhase[i]) << Constituents[i].name;
    }
    EXPECT_STREQ(w.name, "稚内");
    EXPECT_STREQ(w.latitudeText, "45.25");
    EXPECT_STREQ(w.longitudeText, "141.41");
    EXPECT_STREQ(w.meanLevelText, "18");

    // 田子の浦: the listed constituents, every other one 0/0.
    struct Term { int index; double amplitude, phase; };
    const Term tago[] = {{0, 12, 170},      {5, 2.92, 149.35},  {7, 16.36, 158.12}, {11, 7.5, 179.87},
                         {13, 22.5, 179.87}, {20, 0.96, 155.26}, {21, 6.13, 157.78}, {22, 1.2, 157.78},
                         {24, 40.73, 166.1}, {26, 1.07, 171.86}, {28, 17.96, 193.5}, {30, 4.9, 193.5},
                         {36, 0.22, 172.47}, {37, 0.05, 207.44}};
    const PortRecord& t = PortTable[149];
    double amplitude[kConstituentCount] = {}, phase[kConstituentCount] = {};
    for (const Term& term : tago) amplitude[term.index] = term.amplitude, phase[term.index] = term.phase;
    for (int i = 0; i < kConstituentCount; ++i) {
        EXPECT_EQ(t.amplitude[i], amplitude[i]) << Constituents[i].name;
        EXPECT_EQ(t.phaseLag[i], phase[i]) << Constituents[i].name;
    }
    EXPECT_STREQ(t.name, "田子の浦");
    EXPECT_STREQ(t.latitudeText, "35.08");
    EXPECT_STREQ(t.longitudeText, "138.42");
    EXPECT_STREQ(t.meanLevelText, "97");

    // 片岡湾 and ポナペ keep their original texts.
    EXPECT_STREQ(PortTable[0].name, "片岡湾");
    EXPECT_STREQ(PortTable[0].latitudeText, "50.43");
    EXPECT_STREQ(PortTable[0].longitudeText, "156.12");
    EXPECT_STREQ(PortTable[0].meanLevelText, "119");
    EXPECT_STREQ(PortTable[kPortCount - 1].name, "ポナペ");
    EXPECT_STREQ(PortTable[kPortCount - 1].latitudeText, "6.59");
    EXPECT_STREQ(PortTable[kPortCount - 1].longitudeText, "158.13");
    EXPECT_STREQ(PortTable[kPortCount - 1].meanLevelText, "70");
}

TEST(PortTableData, EveryRowIsWellFormed) {
    for (int k = 0; k < kPortCount; ++k) {
        const PortRecord& r = PortTable[k];
        SCOPED_TRACE(k);
        EXPECT_GT(std::strlen(r.name), 0u);
        EXPECT_LT(std::strlen(r.name), sizeof r.name);
        EXPECT_TRUE(isDegMin(r.latitudeText, 90)) << r.latitudeText;
        EXPECT_TRUE(isDegMin(r.longitudeText, 180)) << r.longitudeText;
        // Every text is NUL-padded to its 20 bytes.
        for (const char* text : {r.name, r.latitudeText, r.longitudeText, r.meanLevelText})
            for (size_t b = std::strlen(text); b < 20; ++b) EXPECT_EQ(text[b], '\0');
        for (int i = 0; i < kConstituentCount; ++i) {
            EXPECT_GE(r.amplitude[i], 0) << Constituents[i].name;
            EXPECT_GE(r.phaseLag[i], 0) << Constituents[i].name;
            EXPECT_LT(r.phaseLag[i], 360) << Constituents[i].name;
            // Two decimals at most.
            EXPECT_NEAR(r.amplitude[i] * 100, std::round(r.amplitude[i] * 100), 1e-6);
            EXPECT_NEAR(r.phaseLag[i] * 100, std::round(r.phaseLag[i] * 100), 1e-6);
        }
        // Every port has a semidiurnal tide and a plausible Z0 (cm).
        EXPECT_GT(r.amplitude[kM2], 0);
        const double z0 = std::atof(r.meanLevelText);
        EXPECT_GT(z0, 5);
        EXPECT_LT(z0, 400);
    }
}

TEST(PortTableData, MeanLevelIsTheSumOfTheFourMainAmplitudes) {
    // Z0 = H(M2) + H(S2) + H(K1) + H(O1), truncated: the Japanese chart datum
    // rule that the original rows follow (97 and 18). Rows 0 and 357 keep
    // their original texts.
    for (int k = 1; k < kPortCount - 1; ++k) {
        const PortRecord& r = PortTable[k];
        const double sum = r.amplitude[kM2] + r.amplitude[kS2] + r.amplitude[kK1] + r.amplitude[kO1];
        EXPECT_EQ(std::to_string(static_cast<long>(std::floor(sum + 1e-6))), r.meanLevelText) << k;
    }
}

TEST(PortTableData, PortsLieWhereTheirGroupsSay) {
    for (const PortGroup& g : PortGroups) {
        for (int k = g.firstIndex; k < g.firstIndex + g.count; ++k) {
            const double lat = parsed(PortTable[k].latitudeText), lon = parsed(PortTable[k].longitudeText);
            SCOPED_TRACE(k);
            if (g.group == 0) {           // 片岡湾, Shumshu
                EXPECT_NEAR(lat, 50.7, 0.1);
            } else if (g.group <= 47) {   // Japan, Okinotorishima to Wakkanai, Yonaguni to Minamitorishima
                EXPECT_GT(lat, 20);
                EXPECT_LT(lat, 45.6);
                EXPECT_GT(lon, 122.9);
                EXPECT_LT(lon, 154);
            } else {                      // Saipan, Cebu, Pohnpei
                EXPECT_GT(lat, 5);
                EXPECT_LT(lat, 16);
                EXPECT_GT(lon, 123);
                EXPECT_LT(lon, 159);
            }
        }
    }
    // A few harbours checked by hand.
    EXPECT_NEAR(parsed(PortTable[91].latitudeText), 35.65, 0.03);     // 晴海
    EXPECT_NEAR(parsed(PortTable[91].longitudeText), 139.77, 0.03);
    EXPECT_NEAR(parsed(PortTable[176].latitudeText), 34.65, 0.03);    // 大阪
    EXPECT_NEAR(parsed(PortTable[322].latitudeText), 26.21, 0.03);    // 那覇
    EXPECT_NEAR(parsed(PortTable[5].longitudeText), 144.37, 0.03);    // 釧路
}

}  // namespace
}  // namespace marilo
