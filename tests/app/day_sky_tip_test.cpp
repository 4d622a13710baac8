#include "app/day_sky_tip.h"

#include <gtest/gtest.h>

namespace marilo {
namespace {

// `marilo-cli --date 2024-03-10 --sun` at 田子の浦: 日の出 06:03 日の入り 17:49
// 月の出 06:01 月の入り 17:40 薄明 05:38 - 18:14.
TEST(DaySkyTip, TheDaysSunAndMoonAsTheCommandLinePrintsThem) {
    EXPECT_EQ(daySkyTip(PortAddress(), 2024, 3, 10),
              u"3月10日(日)\n日の出 6:03  日の入り 17:49\n薄明 5:38 - 18:14\n月の出 6:01  月の入り 17:40");
}

TEST(DaySkyTip, AMissingEventShowsADash) {
    SunMoonTimes t;
    t.sunrise = 0;
    t.sunset = 1439;
    EXPECT_EQ(daySkyTip(2, 29, "木", t), u"2月29日(木)\n日の出 0:00  日の入り 23:59\n薄明 - - -\n月の出 -  月の入り -");
}

}  // namespace
}  // namespace marilo
