// The tray icons' layout at the sizes of 100% to 250% scaling and the ink on
// a dark taskbar; the expected values are worked out from the sizes by hand.
#include <gtest/gtest.h>

#include "render/clock_geometry.h"
#include "render/icon_layout.h"
#include "render/taskbar_ink.h"

namespace marilo {
namespace {

TEST(IconLayout, SizesStrokesAndFonts) {
    // 16 x dpi / 96: 100%, 125%, 150%, 175%, 200%, 250%; nonsense dpi gives 16.
    const int dpis[] = {96, 120, 144, 168, 192, 240, 0, -5};
    const int sizes[] = {16, 20, 24, 28, 32, 40, 16, 16};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(trayIconSizeForDpi(dpis[i]), sizes[i]) << dpis[i];
    EXPECT_EQ(iconStroke(16), 1);
    EXPECT_EQ(iconStroke(24), 1);
    EXPECT_EQ(iconStroke(32), 2);
    EXPECT_EQ(iconStroke(40), 2);
    // 8 pt and 6 pt at 96, 144 and 192 dpi: 10.7 -> 11, 8; 16, 12; 21.3 -> 21, 16.
    EXPECT_EQ(iconFontPixels(8, 16), 11);
    EXPECT_EQ(iconFontPixels(6, 16), 8);
    EXPECT_EQ(iconFontPixels(8, 24), 16);
    EXPECT_EQ(iconFontPixels(6, 24), 12);
    EXPECT_EQ(iconFontPixels(8, 32), 21);
    EXPECT_EQ(iconFontPixels(6, 32), 16);
    EXPECT_EQ(smallFigureFace(16), "Small Fonts");
    // Design positions: identical at 16; x 1.5 at 24 (7 -> 10.5 -> 11, -1 -> -1.5 -> -2).
    for (int v = -1; v <= 17; ++v) EXPECT_EQ(iconScaled(v, 16), v);
    EXPECT_EQ(iconScaled(7, 24), 11);
    EXPECT_EQ(iconScaled(2, 24), 3);
    EXPECT_EQ(iconScaled(15, 24), 23);
    EXPECT_EQ(iconScaled(-1, 24), -2);
    EXPECT_EQ(iconScaled(7, 32), 14);
}

TEST(IconLayout, CalendarPageAndWeekFrame) {
    // 16: sheet 0..13 x 0..14, edge column 14, bottom row 15 from 1 to 14,
    // holes at the odd columns 1..11.
    const CalendarPage p16 = calendarPageAt(16);
    EXPECT_EQ(p16.sheetColumns, (PixelSpan{0, 13}));
    EXPECT_EQ(p16.sheetRows, (PixelSpan{0, 14}));
    EXPECT_EQ(p16.edgeColumns, (PixelSpan{14, 14}));
    EXPECT_EQ(p16.edgeRows, (PixelSpan{15, 15}));
    EXPECT_EQ(p16.edgeRowColumns, (PixelSpan{1, 14}));
    const int holes16[] = {1, 3, 5, 7, 9, 11};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(p16.holeX[i], holes16[i]);
    // 24: one-pixel edges; holes at 1.5, 4.5 ... 16.5 rounded up.
    const CalendarPage p24 = calendarPageAt(24);
    EXPECT_EQ(p24.sheetColumns, (PixelSpan{0, 21}));
    EXPECT_EQ(p24.sheetRows, (PixelSpan{0, 22}));
    EXPECT_EQ(p24.edgeColumns, (PixelSpan{22, 22}));
    const int holes24[] = {2, 5, 8, 11, 14, 17};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(p24.holeX[i], holes24[i]);
    // 32: two-pixel edges and holes at 2, 6 ... 22.
    const CalendarPage p32 = calendarPageAt(32);
    EXPECT_EQ(p32.sheetColumns, (PixelSpan{0, 27}));
    EXPECT_EQ(p32.sheetRows, (PixelSpan{0, 29}));
    EXPECT_EQ(p32.edgeColumns, (PixelSpan{28, 29}));
    EXPECT_EQ(p32.edgeRows, (PixelSpan{30, 31}));
    EXPECT_EQ(p32.edgeRowColumns, (PixelSpan{2, 29}));
    EXPECT_EQ(p32.holeX[5], 22);
    EXPECT_EQ(p32.stroke, 2);

    const WeekFrame w16 = weekFrameAt(16), w24 = weekFrameAt(24);
    EXPECT_EQ(w16.leading, (PixelSpan{0, 4}));
    EXPECT_EQ(w16.trailing, (PixelSpan{12, 15}));
    EXPECT_EQ(w24.leading, (PixelSpan{0, 6}));
    EXPECT_EQ(w24.trailing, (PixelSpan{18, 23}));
}

TEST(IconLayout, ClockFaceAtLargerSizes) {
    // 24: centre 11, lengths x 1.5 (hour 9 or 7.5, minute 12.75).
    const ClockBoxes b = clockBoxesAt(24);
    EXPECT_EQ(b.centre, 11);
    EXPECT_EQ(b.dialEnd, 23);
    EXPECT_EQ(b.shadowOffset, 1);
    EXPECT_EQ(clockBoxesAt(32).centre, 15);
    EXPECT_EQ(clockBoxesAt(32).pen, 2);
    EXPECT_EQ(hourHandEnd(3, 0, false, 24), (Pixel{20, 11}));
    EXPECT_EQ(hourHandEnd(3, 0, true, 24), (Pixel{18, 11}));
    EXPECT_EQ(minuteHandEnd(0, ClockVariant::Tray, 24), (Pixel{11, -1}));
    EXPECT_EQ(minuteHandEnd(30, ClockVariant::Tray, 24), (Pixel{11, 23}));
    // 32: the 16-pixel face doubled about (15, 15): minute 0 reaches y 15 - 17.
    EXPECT_EQ(minuteHandEnd(0, ClockVariant::Tray, 32), (Pixel{15, -2}));
    // Marks three long at 24: rim clear from the edge, with the rim one in.
    const std::vector<Pixel> bare = hourMarks(false, 24), framed = hourMarks(true, 24);
    ASSERT_EQ(bare.size(), 12u);
    EXPECT_EQ(bare[0], (Pixel{11, 0}));
    EXPECT_EQ(bare[5], (Pixel{11, 22}));
    EXPECT_EQ(bare[6], (Pixel{0, 11}));
    EXPECT_EQ(framed[0], (Pixel{11, 1}));
    EXPECT_EQ(framed[11], (Pixel{21, 11}));
}

TEST(TaskbarInk, ContrastAndLightening) {
    EXPECT_NEAR(contrastRatio(0xFFFFFF, 0x000000), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
    // L(0x20) = ((32/255 + 0.055) / 1.055)^2.4 = 0.014444.
    EXPECT_NEAR(relativeLuminance(0x202020), 0.014444, 1e-5);
    // Light taskbar: every colour as stored.
    for (uint32_t c : {0x000000u, 0xFF0000u, 0x0000FFu, 0x00C0C0u}) EXPECT_EQ(taskbarInk(c, TaskbarTheme::Light), c);
    // Dark: the default black turns white; red (0.2626 / 0.0644 = 4.1) stays.
    EXPECT_EQ(taskbarInk(0x000000, TaskbarTheme::Dark), 0xFFFFFFu);
    EXPECT_EQ(taskbarInk(0x0000FF, TaskbarTheme::Dark), 0x0000FFu);
    // Blue (1.9:1) needs L >= 3 x 0.0644 - 0.05 = 0.1433: red and green
    // mixed up to 79 (0.0722 + 0.9278 x 0.0782 = 0.1448; 78 gives 0.1429).
    EXPECT_EQ(taskbarInk(0xFF0000, TaskbarTheme::Dark), 0xFF4F4Fu);
    EXPECT_GE(contrastRatio(0xFF4F4F, kDarkTaskbarColor), 3.0);
    EXPECT_LT(contrastRatio(0xFF4E4E, kDarkTaskbarColor), 3.0);
}

}  // namespace
}  // namespace marilo
