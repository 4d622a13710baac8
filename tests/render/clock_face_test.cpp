// Pixels of the clock face and of the date icons, drawn by GDI (run under
// Wine in the Windows tree).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "platform/gdi.h"
#include "render/clock_face.h"
#include "render/icon_image.h"
#include "render/tray_painter.h"

namespace marilo {
namespace {

constexpr uint32_t kKey = 0x010101;
constexpr uint32_t kGrey = 0x808080;

struct Face {
    DibSurface surface{16, 16, 24};
    IconImage image{24};

    Face(const AppSettings& s, int hour, int minute, ClockVariant v) {
        std::memset(surface.bits(), 1, static_cast<size_t>(surface.byteSize()));
        drawClockFace(surface.dc(), s, hour, minute, v);
        GdiFlush();
    }
    uint32_t at(int x, int y) const {
        const uint8_t* p = surface.bits() + (15 - y) * surface.stride() + 3 * x;
        return p[2] | p[1] << 8 | static_cast<uint32_t>(p[0]) << 16;
    }
    std::set<std::pair<int, int>> pixelsOf(uint32_t color) const {
        std::set<std::pair<int, int>> out;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (at(x, y) == color) out.insert({x, y});
        return out;
    }
};

AppSettings clockSettings(bool shadow, bool plate, bool frame, bool ticks) {
    AppSettings s;
    s.IsShadow = shadow;
    s.IsPlate = plate;
    s.IsFrame = frame;
    s.IsTicks = ticks;
    // Distinct colours so every element can be told apart.
    s.ColPlate = 0xF0F0F0;
    s.ColFrame = 0x202020;
    s.ColTicks = 0x00A000;
    s.ColShort = 0x0000FF;
    s.ColLong = 0xFF0000;
    return s;
}

// A line from the centre, drawn without its end point: one pixel per step
// along the major axis, each step moving at most one pixel on the other.
void expectHand(const std::set<std::pair<int, int>>& drawn, Pixel end, const char* what, bool drawnLast) {
    const int dx = end.x - 7, dy = end.y - 7;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    EXPECT_EQ(drawn.count({end.x, end.y}), 0u) << what << ": end point excluded";
    if (drawnLast) {
        EXPECT_EQ(drawn.count({7, 7}), 1u) << what;
    }
    for (const auto& [x, y] : drawn) {
        EXPECT_LE(std::abs(x - 7), std::abs(dx)) << what;
        EXPECT_LE(std::abs(y - 7), std::abs(dy)) << what;
        EXPECT_GE((x - 7) * (dx >= 0 ? 1 : -1), 0) << what;
        EXPECT_GE((y - 7) * (dy >= 0 ? 1 : -1), 0) << what;
    }
    EXPECT_LE(static_cast<int>(drawn.size()), steps) << what;
}

// Where the faces of the test times put their marks and hand ends, worked
// out by hand: end = (trunc(7 + L cos a), trunc(7 - L sin a)). The minute
// hand (L 8.5 in the tray, 8 in the preview) at minute 0 points up and at
// minute 59 to -264 degrees; the hour hand (L 5 with the rim, 6 without) at
// 3:00 lies along row 7 and at 11:59 points to -269.5 degrees.
Pixel minuteEndAt(int minute, ClockVariant v) {
    if (minute == 0) return {7, -1};
    return v == ClockVariant::Tray ? Pixel{6, -1} : Pixel{6, 0};  // 59
}
Pixel hourEndAt(int hour, bool frame) {
    if (hour == 3) return frame ? Pixel{12, 7} : Pixel{13, 7};
    return frame ? Pixel{6, 2} : Pixel{6, 1};  // 11:59
}
std::vector<Pixel> marksOf(bool frame) {
    if (frame) return {{7, 1}, {7, 2}, {7, 12}, {7, 13}, {1, 7}, {2, 7}, {12, 7}, {13, 7}};
    return {{7, 0}, {7, 1}, {7, 13}, {7, 14}, {0, 7}, {1, 7}, {13, 7}, {14, 7}};
}

TEST(ClockFace, EverySwitchCombinationAtThreeTwelveAndElevenFiftyNine) {
    const int times[][2] = {{3, 0}, {12, 0}, {11, 59}};
    for (int bits = 0; bits < 16; ++bits) {
        const bool shadow = bits & 1, plate = bits & 2, frame = bits & 4, ticks = bits & 8;
        const AppSettings s = clockSettings(shadow, plate, frame, ticks);
        for (ClockVariant v : {ClockVariant::Tray, ClockVariant::Preview}) {
            for (const auto& t : times) {
                SCOPED_TRACE(::testing::Message() << "shadow " << shadow << " plate " << plate << " frame "
                                                  << frame << " ticks " << ticks << " at " << t[0] << ":" << t[1]
                                                  << (v == ClockVariant::Tray ? " tray" : " preview"));
                const Face f(s, t[0], t[1], v);
                // Outside both ellipses nothing is drawn.
                EXPECT_EQ(f.at(0, 0), kKey);
                EXPECT_EQ(f.at(15, 0), kKey);
                EXPECT_EQ(f.at(0, 15), kKey);
                // The shadow's bottom-right corner region: grey ring only with the shadow.
                EXPECT_EQ(f.at(15, 15), kKey);
                const bool shadowRing = f.pixelsOf(kGrey).size() > 0;
                EXPECT_EQ(shadowRing, shadow);
                if (shadow) {
                    EXPECT_EQ(f.at(15, 8), kGrey);  // right edge of the (1,1)-(16,16) box
                }
                if (plate) {
                    EXPECT_EQ(f.at(10, 4), s.ColPlate);
                } else if (shadow && v == ClockVariant::Tray) {
                    EXPECT_EQ(f.at(10, 4), kKey);
                }
                if (frame) {
                    EXPECT_EQ(f.at(0, 7), s.ColFrame);
                }

                // Hour marks, where no hand covers them.
                const auto marks = f.pixelsOf(s.ColTicks);
                if (ticks) {
                    for (const Pixel& p : marksOf(frame)) {
                        const uint32_t c = f.at(p.x, p.y);
                        EXPECT_TRUE(c == s.ColTicks || c == s.ColShort || c == s.ColLong) << p.x << "," << p.y;
                    }
                    // 6 o'clock is never under a hand at these times.
                    EXPECT_EQ(f.at(7, frame ? 13 : 14), s.ColTicks);
                } else {
                    EXPECT_TRUE(marks.empty());
                }

                // The minute hand is drawn last and complete.
                const Pixel minuteEnd = minuteEndAt(t[1], v);
                expectHand(f.pixelsOf(s.ColLong), {minuteEnd.x, std::max(minuteEnd.y, -1)}, "minute hand", true);
                if (t[1] == 0) {
                    for (int y = 0; y <= 7; ++y) EXPECT_EQ(f.at(7, y), s.ColLong) << y;
                }
                // The hour hand at 3:00 is the row from the centre to its end.
                if (t[0] == 3) {
                    const Pixel end = hourEndAt(3, frame);
                    for (int x = 8; x < end.x; ++x) EXPECT_EQ(f.at(x, 7), s.ColShort) << x;
                    EXPECT_NE(f.at(end.x, 7), s.ColShort);
                    if (ticks && frame) {
                        EXPECT_EQ(f.at(12, 7), s.ColTicks);
                    }
                }
                if (t[0] == 11) {
                    auto shortPixels = f.pixelsOf(s.ColShort);
                    EXPECT_FALSE(shortPixels.empty());
                    expectHand(shortPixels, hourEndAt(11, frame), "hour hand", false);
                }
            }
        }
    }
}

TEST(ClockFace, TwelveAndMidnightAreTheSame) {
    const AppSettings s = clockSettings(true, true, true, true);
    const Face noon(s, 12, 0, ClockVariant::Tray), midnight(s, 0, 0, ClockVariant::Tray);
    EXPECT_EQ(std::memcmp(noon.surface.bits(), midnight.surface.bits(), 768), 0);
}

TEST(ClockFace, ShadowWithoutDialIsAGreyRingTransparentInside) {
    const AppSettings s = clockSettings(true, false, false, false);
    TrayPainter painter;
    ASSERT_TRUE(painter.clockIcon(s, 6, 30));
    const IconImage& img = painter.clockImage();
    EXPECT_TRUE(img.transparentAt(10, 4));
    EXPECT_TRUE(img.transparentAt(0, 0));
    EXPECT_FALSE(img.transparentAt(15, 8));
    EXPECT_EQ(img.rgbAt(15, 8), kGrey);
    EXPECT_EQ(img.rgbAt(7, 7), s.ColLong);
}

// Date icons: backgrounds, the week frame and the masks.
struct DateIcon {
    TrayPainter painter;
    const IconImage* img = nullptr;
    explicit DateIcon(const DateIconImage& want) {
        EXPECT_TRUE(painter.dateIcon(want));
        img = &painter.dateImage(want.slot);
    }
};

DateIconImage iconOf(int32_t mode, int k, uint32_t color, bool frame = false) {
    DateIconImage s;
    s.mode = mode;
    s.k = k;
    s.day = DateTime(2007, 3, 7);
    s.color = color;
    s.todayFrame = frame;
    s.figures = mode == 7 || mode == 3 ? IconFigures{u"7", u"水"} : IconFigures{u"7", u"3"};
    return s;
}

constexpr int kWhiteIdx = 15, kBlackIdx = 0, kGreyIdx = 8, kGreenIdx = 10, kRedIdx = 9, kBlueIdx = 12;

TEST(DateIcons, CalendarPageBackgroundAndMask) {
    for (int32_t mode : {1, 4, 5, 6}) {
        SCOPED_TRACE(mode);
        const DateIcon d(iconOf(mode, 0, 0x0000FF));
        const IconImage& img = *d.img;
        for (int y = 0; y < 16; ++y) {
            EXPECT_TRUE(img.transparentAt(15, y)) << y;  // column 15 stays clear
            EXPECT_EQ(img.indexAt(14, y), kBlackIdx) << y;
            EXPECT_FALSE(img.transparentAt(14, y));
        }
        EXPECT_TRUE(img.transparentAt(0, 15));
        for (int x = 1; x <= 14; ++x) EXPECT_EQ(img.indexAt(x, 15), kBlackIdx) << x;
        for (int x = 1; x <= 11; x += 2) EXPECT_TRUE(img.transparentAt(x, 0)) << "hole " << x;
        for (int x = 0; x <= 12; x += 2) EXPECT_EQ(img.indexAt(x, 0), kWhiteIdx) << x;
        // Page corners hold no text.
        EXPECT_EQ(img.indexAt(0, 14), kWhiteIdx);
        EXPECT_EQ(img.indexAt(13, 14), kWhiteIdx);
        // Text only in white, black, grey or the date colour, inside the page.
        int textPixels = 0;
        for (int y = 1; y < 15; ++y)
            for (int x = 0; x < 14; ++x) {
                const int i = img.indexAt(x, y);
                if (i != kWhiteIdx) {
                    ++textPixels;
                    EXPECT_TRUE(i == kRedIdx || i == kBlackIdx) << x << "," << y << " " << i;
                }
            }
        EXPECT_GT(textPixels, 5);
    }
}

TEST(DateIcons, DiagonalStrokeAndWeekFrame) {
    for (int32_t mode : {2, 3, 7}) {
        SCOPED_TRACE(mode);
        const DateIcon d(iconOf(mode, 3, 0xFF0000, mode == 7));
        const IconImage& img = *d.img;
        // Away from the text (drawn on a Japanese face, the weekday reaches
        // the middle) the stroke is white with a grey edge below.
        EXPECT_EQ(img.indexAt(12, 3), kWhiteIdx);
        EXPECT_EQ(img.indexAt(12, 4), kGreyIdx);
        EXPECT_EQ(img.indexAt(11, 4), kWhiteIdx);
        EXPECT_FALSE(img.transparentAt(12, 3));
        if (mode == 7) {
            // The corner brackets, where the day's figures do not cover them
            // (the day is drawn over the top-left corner).
            for (int i : {12, 13, 14, 15}) {
                EXPECT_EQ(img.indexAt(i, 0), kGreenIdx) << i;
                EXPECT_EQ(img.indexAt(0, i), kGreenIdx) << i;
                EXPECT_EQ(img.indexAt(15, 15 - i), kGreenIdx) << i;
            }
            for (int i : {0, 1, 2, 3, 4}) {
                EXPECT_EQ(img.indexAt(15, i), kGreenIdx) << i;
                EXPECT_EQ(img.indexAt(i, 15), kGreenIdx) << i;
                const int c = img.indexAt(i, 0);
                EXPECT_TRUE(c == kGreenIdx || c == kBlueIdx || c == kWhiteIdx) << i;
            }
            EXPECT_TRUE(img.transparentAt(8, 0));
            EXPECT_TRUE(img.transparentAt(0, 8) || img.indexAt(0, 8) != kGreenIdx);
        } else {
            EXPECT_TRUE(img.transparentAt(8, 0) || img.indexAt(8, 0) != kGreenIdx);
        }
        // Upper-left half holds the day in the date colour (blue) over
        // white shadows; nothing else but the stroke.
        int blue = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                if (img.transparentAt(x, y)) continue;
                const int i = img.indexAt(x, y);
                if (i == kBlueIdx) ++blue;
                EXPECT_TRUE(i == kBlueIdx || i == kWhiteIdx || i == kGreyIdx || i == kGreenIdx || i == kBlackIdx)
                    << x << "," << y << " " << i;
            }
        EXPECT_GT(blue, 4);
    }
}

TEST(DateIcons, LightColoursGetGreyShadows) {
    const DateIcon light(iconOf(3, 0, 0xC0C000));
    const DateIcon dark(iconOf(3, 0, 0x0000FF));
    auto count = [](const IconImage& img, int index) {
        int n = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (!img.transparentAt(x, y) && img.indexAt(x, y) == index &&
                    !(y == 16 - x || y == 15 - x))  // off the stroke
                    ++n;
        return n;
    };
    EXPECT_GT(count(*light.img, kGreyIdx), 0);
    EXPECT_EQ(count(*dark.img, kGreyIdx), 0);
    EXPECT_GT(count(*dark.img, kWhiteIdx), 0);
}

// Where the figures sit: only their colours and where they fall are fixed.
struct Spread {
    int count = 0;
    double cx = 0, cy = 0;
    int minX = 16, minY = 16, maxX = -1, maxY = -1;
};
Spread spreadOf(const IconImage& img, int index, int width = 16, int height = 16) {
    Spread s;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (!img.transparentAt(x, y) && img.indexAt(x, y) == index) {
                ++s.count;
                s.cx += x;
                s.cy += y;
                s.minX = std::min(s.minX, x);
                s.minY = std::min(s.minY, y);
                s.maxX = std::max(s.maxX, x);
                s.maxY = std::max(s.maxY, y);
            }
    if (s.count) {
        s.cx /= s.count;
        s.cy /= s.count;
    }
    return s;
}

TEST(DateIcons, FiguresSitWhereEachModePutsThem) {
    // 月／日: month in black at the upper left, day in the date colour at the lower right.
    DateIconImage md = iconOf(2, 0, 0xFF0000);
    md.figures = {u"12", u"31"};
    const DateIcon monthDay(md);
    const Spread month = spreadOf(*monthDay.img, kBlackIdx), day = spreadOf(*monthDay.img, kBlueIdx);
    ASSERT_GT(month.count, 0);
    ASSERT_GT(day.count, 0);
    EXPECT_LT(month.cx, 8);
    EXPECT_LT(month.cy, 8);
    EXPECT_GT(day.cx, 8);
    EXPECT_GT(day.cy, 8);

    // 日／曜 and the week: day at the upper left, weekday at the lower right, both in the date colour.
    for (int32_t mode : {3, 7}) {
        SCOPED_TRACE(mode);
        const DateIcon d(iconOf(mode, 2, 0xFF0000));
        const Spread blue = spreadOf(*d.img, kBlueIdx);
        ASSERT_GT(blue.count, 0);
        EXPECT_LE(blue.minX, 3);
        EXPECT_LE(blue.minY, 3);
        EXPECT_GE(blue.maxX, 12);
        EXPECT_GE(blue.maxY, 12);
    }

    // The page modes centre their figure on the page: the date colour only
    // on the last icon, black on the others.
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        DateIconImage four = iconOf(6, k, 0x0000FF);
        four.figures = {u"20", u""};
        const DateIcon d(four);
        const Spread red = spreadOf(*d.img, kRedIdx);
        // Inside the page, without its black edges.
        const Spread figure = k == 3 ? red : spreadOf(*d.img, kBlackIdx, 14, 15);
        if (k != 3) {
            EXPECT_EQ(red.count, 0);
        }
        ASSERT_GT(figure.count, 0);
        EXPECT_GE(figure.minY, 1);
        EXPECT_LE(figure.maxX, 14);
        EXPECT_NEAR(figure.cx, 7, 2.5);
    }
}

TEST(DateIcons, ResourceImagesLoadAtTrayIconSize) {
    TrayPainter painter;
    for (int id : {128, 202, 173, 180, 188}) {
        DateIconImage img;
        img.resourceId = id;
        const OwnedIcon owned = painter.dateIcon(img);
        HICON icon = static_cast<HICON>(owned.get());
        ASSERT_NE(icon, nullptr) << id;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bm{};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, 16) << id;
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
    }
}

}  // namespace
}  // namespace marilo
