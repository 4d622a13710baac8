#include "engine/rise_set.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/port_source.h"
#include "tests/port_at.h"

namespace marilo {
namespace {

// Expected times are those of astronomy-engine 2.1.19, an independent
// ephemeris (VSOP87 for the Sun, a full lunar theory, topocentric search),
// printed by `node tools/ephemeris/compare.mjs --times LAT,LON,MERIDIAN DATE`
// and pasted here unrounded, in minutes after 0:00 zone time; -1 where the
// date has no such event. The engine shows its own time rounded to the
// minute, so it may lie half a minute from the exact one, and a few seconds
// more for the difference of the theories.
constexpr double kNone = -1;

struct Expected {
    const char* what;
    int year, month, day;
    double civilDawn, sunrise, sunset, civilDusk, moonrise, moonset;
};

void expectTimes(const SunMoonTimes& got, const Expected& e) {
    const int32_t shown[6] = {got.civilDawn, got.sunrise, got.sunset, got.civilDusk, got.moonrise, got.moonset};
    const double exact[6] = {e.civilDawn, e.sunrise, e.sunset, e.civilDusk, e.moonrise, e.moonset};
    const char* names[6] = {"civil dawn", "sunrise", "sunset", "civil dusk", "moonrise", "moonset"};
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(std::string(e.what) + " " + names[k]);
        if (exact[k] == kNone)
            EXPECT_EQ(shown[k], kNoEvent);
        else
            EXPECT_NEAR(shown[k], exact[k], 0.6);
    }
}

TEST(RiseSet, CitiesAtTheSolsticesAgreeWithAnIndependentEphemeris) {
    struct City {
        const char* name;
        Site site;
        Expected winter, summer;
    };
    const City cities[] = {
        {"Sapporo", {43.0642, 141.3469, 135},
         {"2025-12-22", 2025, 12, 22, 390.74, 423.19, 963.01, 995.47, 534.71, 1065.42},
         {"2026-06-21", 2026, 6, 21, 199.76, 235.24, 1157.44, 1192.93, 647.85, 1396.38}},
        {"Tokyo", {35.6895, 139.6917, 135},
         {"2025-12-22", 2025, 12, 22, 379.04, 407.49, 991.96, 1020.41, 515.02, 1097.73},
         {"2026-06-21", 2026, 6, 21, 235.51, 265.64, 1140.29, 1170.43, 657.09, 1403.65}},
        {"Osaka", {34.6937, 135.5023, 135},
         {"2025-12-22", 2025, 12, 22, 393.57, 421.61, 1011.36, 1039.40, 529.13, 1118.18},
         {"2026-06-21", 2026, 6, 21, 255.59, 285.19, 1154.26, 1183.86, 674.85, 1420.77}},
        // Naha's 21 June 2026 has no moonset: the Moon sets a few minutes after midnight.
        {"Naha", {26.2124, 127.6809, 135},
         {"2025-12-22", 2025, 12, 22, 407.51, 432.82, 1062.75, 1088.05, 537.85, 1173.11},
         {"2026-06-21", 2026, 6, 21, 311.35, 337.54, 1164.49, 1190.68, 709.43, kNone}},
    };
    for (const City& c : cities) {
        SCOPED_TRACE(c.name);
        for (const Expected& e : {c.winter, c.summer}) expectTimes(sunMoonTimes(c.site, e.year, e.month, e.day), e);
    }
}

TEST(RiseSet, PortDatesWithoutAMoonriseAndAbroadInTheirOwnZone) {
    // 田子の浦: the Moon rises at 23:07 on the 9th and at 0:05 on the 11th,
    // so the 10th has none.
    const PortAddress tago = portAt(22, 13);
    const Expected tagoDays[] = {
        {"2026-01-09", 2026, 1, 9, 386.20, 414.03, 1010.46, 1038.29, 1386.53, 624.51},
        {"2026-01-10", 2026, 1, 10, 386.17, 413.95, 1011.36, 1039.15, kNone, 648.62},
        {"2026-01-11", 2026, 1, 11, 386.11, 413.85, 1012.27, 1040.02, 5.16, 673.57},
    };
    for (const Expected& e : tagoDays) expectTimes(sunMoonTimes(tago, e.year, e.month, e.day), e);

    // The ports abroad keep the time of their own meridian: ポナペ UTC+11,
    // サイパン UTC+10; 片岡湾, at 156° E, keeps Japan Standard Time, so its
    // summer sunrise is at 2:22.
    expectTimes(sunMoonTimes(portAt(80, 2), 2026, 3, 20),
                {"ポナペ", 2026, 3, 20, 370.76, 391.58, 1117.92, 1138.74, 425.58, 1176.76});
    expectTimes(sunMoonTimes(portAt(80, 0), 2026, 9, 23),
                {"サイパン", 2026, 9, 23, 344.73, 366.16, 1092.79, 1114.20, 953.10, 168.81});
    expectTimes(sunMoonTimes(portAt(0, 0), 2026, 6, 21),
                {"片岡湾", 2026, 6, 21, 95.96, 142.06, 1131.79, 1177.89, 582.16, 1335.76});
}

TEST(SunMoonText, ConstantsNoteOnlyForPortsFarFromTheirStation) {
    EXPECT_STREQ(constantsNote(portAt(0, 0)).text, "潮汐定数: Nemuroko (1146 km)");
    EXPECT_STREQ(constantsNote(portAt(47, 34)).text, "潮汐定数: Yonaguni (154 km)");  // 魚釣島
    EXPECT_STREQ(constantsNote(portAt(22, 13)).text, "");  // 田子の浦, its own row
    EXPECT_STREQ(constantsNote(portAt(4, 4)).text, "");    // 石巻, a gauge at the port
    EXPECT_FALSE(constantsSource(portAt(22, 13)).distant());
    // docs/ports.md flags 53 ports FAR.
    EXPECT_EQ(DistantStationCount, 53);
}

}  // namespace
}  // namespace marilo
