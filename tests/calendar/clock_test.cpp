#include "calendar/clock.h"

#include <gtest/gtest.h>

#include "calendar/date_time.h"

namespace marilo {
namespace {

bool sameCivil(const CivilTime& a, const CivilTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second;
}

TEST(Clock, EpochSecondsAndUtcDatesConvertBothWays) {
    // Reference instants from the system's own `date -u -d @N`.
    const struct {
        int64_t seconds;
        CivilTime utc;
    } cases[] = {
        {0, {1970, 1, 1, 0, 0, 0}},
        {-1, {1969, 12, 31, 23, 59, 59}},
        {951782400, {2000, 2, 29, 0, 0, 0}},
        {1704931200 + 9 * 3600 + 61, {2024, 1, 11, 9, 1, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(sameCivil(civilFromEpoch(c.seconds), c.utc)) << c.seconds;
        EXPECT_EQ(epochFromCivil(c.utc), c.seconds);
    }
}

TEST(Clock, StartTextsMustBeRealLocalMinutes) {
    const std::optional<CivilTime> t = parseClockStart("2024-02-29T23:58");
    ASSERT_TRUE(t);
    EXPECT_TRUE(sameCivil(*t, {2024, 2, 29, 23, 58, 0}));
    EXPECT_TRUE(sameCivil(*parseClockStart("2024-02-29T23:58:50"), {2024, 2, 29, 23, 58, 50}));
    for (const char* bad : {"2023-02-29T10:00", "2024-13-01T00:00", "2024-01-01T24:00", "2024-01-01 10:00",
                            "2024-1-01T10:00", "2024-01-01T10:00:60", "1969-12-31T23:59", "", "tomorrow"})
        EXPECT_FALSE(parseClockStart(bad)) << bad;
}

TEST(Clock, StartingTheClockMovesEveryReadingOfNow) {
    startClockAt({2024, 1, 11, 10, 30, 0});
    const DateTime now;  // setNow()
    EXPECT_EQ(now.year * 10000 + now.month * 100 + now.day, 20240111);
    EXPECT_EQ(now.hour * 100 + now.minute, 1030);  // the clock runs on from there
    setClockOffset(0);
    EXPECT_GT(DateTime().year, 2025);
}

}  // namespace
}  // namespace marilo
