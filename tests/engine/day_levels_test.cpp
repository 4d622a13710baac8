// Levels at many minutes of a day from one solution equal, bit for bit, the
// levelNow of a full solution at each of those minutes, in both forms in
// which callers put a time of day: the whole time in the minute field
// (hour 0, minute 750) and hour and minute (12:30).
#include <gtest/gtest.h>

#include <cstring>

#include "engine/tide_day.h"

namespace marilo {
namespace {

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(DayLevels, EqualAFullSolutionAtEveryColumnOfEveryGraphSize) {
    const int rows[] = {0, 5, 77, 149, 170, 213, 260, 318, 340, 357};
    const DateTime days[] = {DateTime(2024, 1, 11), DateTime(2024, 2, 29), DateTime(2031, 7, 7)};
    int compared = 0;
    for (int row : rows) {
        const PortAddress port = *PortAddress::ofRow(row);
        for (const DateTime& day : days) {
            const TideDay one(port, day);
            TideDay full(port, day);
            for (int m = 1; m <= 3; ++m) {
                for (int i = 0; i < 96 * m; ++i) {
                    const int t = i * 1440 / (96 * m);
                    DateTime column = day;  // the graph's column: minute t at hour 0
                    column.minute = t;
                    column.normalize();
                    full.setDate(column);
                    ASSERT_EQ(full.date.hour * 10000 + full.date.minute, t);
                    ASSERT_TRUE(sameBits(one.levelAtTime(0, t), full.levelNow)) << row << " m" << m << " t" << t;

                    DateTime tip = day;  // the window's tip: hour and minute
                    tip.minute = t;
                    tip.normalizeTime();
                    tip.normalize();
                    full.setDate(tip);
                    ASSERT_TRUE(sameBits(one.levelAtTime(t / 60, t % 60), full.levelNow)) << row << " " << t;
                    compared += 2;
                }
            }
        }
    }
    EXPECT_EQ(compared, 10 * 3 * 2 * (96 + 192 + 288));
}

}  // namespace
}  // namespace marilo
