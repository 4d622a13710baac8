// The sunrise and moonrise lines of the popup menu.
#include "app/sun_moon_text.h"

#include <gtest/gtest.h>

#include "tests/port_at.h"

namespace marilo {
namespace {

TEST(SunMoonText, MenuLinesAsTheIssueWritesThem) {
    SunMoonTimes t;
    t.sunrise = 6 * 60 + 37;
    t.sunset = 16 * 60 + 27;
    t.moonrise = 4 * 60 + 54;
    t.moonset = 14 * 60 + 48;
    SunMoonMenuLines lines = sunMoonMenuLines(t);
    EXPECT_STREQ(lines.sun, "日の出 6:37  日の入り 16:27");
    EXPECT_STREQ(lines.moon, "月の出 4:54  月の入り 14:48");

    t.moonrise = kNoEvent;
    t.moonset = 5;
    lines = sunMoonMenuLines(t);
    EXPECT_STREQ(lines.moon, "月の出 -  月の入り 0:05");

    // 田子の浦 on its date without a moonrise (the times above).
    lines = sunMoonMenuLines(portAt(22, 13), 2026, 1, 10);
    EXPECT_STREQ(lines.sun, "日の出 6:54  日の入り 16:51");
    EXPECT_STREQ(lines.moon, "月の出 -  月の入り 10:49");
}

}  // namespace
}  // namespace marilo
