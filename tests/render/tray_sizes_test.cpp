// The tray icons at the larger sizes and on a dark taskbar, drawn by GDI
// (under Wine in the Windows tree) and put on a surface as the shell would.
#include <gtest/gtest.h>

#include "platform/gdi.h"
#include "render/icon_layout.h"
#include "render/tray_painter.h"

namespace marilo {
namespace {

// The icon drawn over a plain background of `under`, as the taskbar shows it.
struct OnTaskbar {
    DibSurface surface;
    int size;
    OnTaskbar(HICON icon, int n, COLORREF under) : surface(n, n, 24), size(n) {
        const Brush b = solidBrush(under);
        RECT r{0, 0, n, n};
        FillRect(surface.dc(), &r, b.get());
        DrawIconEx(surface.dc(), 0, 0, icon, n, n, 0, nullptr, DI_NORMAL);
        GdiFlush();
    }
    uint32_t at(int x, int y) const {
        const uint8_t* p = surface.bits() + (size - 1 - y) * surface.stride() + 3 * x;
        return p[2] | p[1] << 8 | static_cast<uint32_t>(p[0]) << 16;
    }
    int count(bool (*pred)(uint32_t)) const {
        int n = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) n += pred(at(x, y)) ? 1 : 0;
        return n;
    }
};

bool dark(uint32_t c) { return (c & 0xFF) < 64 && (c >> 8 & 0xFF) < 64 && (c >> 16 & 0xFF) < 64; }

DateIconImage dayIcon() {
    DateIconImage img;
    img.mode = 1;
    img.day = DateTime(2024, 1, 10);
    img.color = 0;  // an ordinary weekday: no rule
    img.figures = {u"10", u""};
    return img;
}

AppSettings bareClock() {
    AppSettings s;
    s.IsShadow = s.IsPlate = s.IsFrame = s.IsTicks = false;
    s.ColShort = s.ColLong = 0;
    return s;
}

TEST(TraySizes, IconsFillTheirSizeAndKeepTheirTransparency) {
    for (int n : {20, 24, 32, 40}) {
        SCOPED_TRACE(n);
        TrayPainter painter(n);
        const OwnedIcon icon = painter.dateIcon(dayIcon());
        ASSERT_TRUE(icon);
        const OnTaskbar day(static_cast<HICON>(icon.get()), n, RGB(0, 0, 255));
        // Binding holes along the top, the column right of the page edge.
        EXPECT_EQ(day.at(iconScaled(1, n), 0), 0xFF0000u);
        EXPECT_EQ(day.at(n - 1, n / 2), 0xFF0000u);
        EXPECT_EQ(day.at(0, n / 2), 0xFFFFFFu);  // the sheet's left edge
        EXPECT_EQ(day.at(n - 1 - iconStroke(n), n - 1), 0u);  // its bottom edge
        const OwnedIcon clock = painter.clockIcon(bareClock(), 3, 0);
        ASSERT_TRUE(clock);
        const OnTaskbar face(static_cast<HICON>(clock.get()), n, RGB(0, 0, 255));
        EXPECT_EQ(face.at(0, n - 1), 0xFF0000u);
        EXPECT_EQ(face.at(n - 1, n - 1), 0xFF0000u);
        const int c = (n - 1) / 2;
        EXPECT_EQ(face.at(c, c), 0u);
    }
}

TEST(TraySizes, DarkTaskbarLeavesAlmostNoDarkInk) {
    for (int n : {16, 24}) {
        SCOPED_TRACE(n);
        TrayPainter light(n), darkBar(n, TaskbarTheme::Dark);
        const OwnedIcon a = light.dateIcon(dayIcon()), b = darkBar.dateIcon(dayIcon());
        const int before = OnTaskbar(static_cast<HICON>(a.get()), n, RGB(192, 192, 192)).count(dark);
        const int after = OnTaskbar(static_cast<HICON>(b.get()), n, RGB(192, 192, 192)).count(dark);
        EXPECT_GT(before, 2 * n);
        EXPECT_LE(after * 10, before);
        // A blue Saturday on the dark taskbar comes out lightened, not blue.
        DateIconImage saturday = dayIcon();
        saturday.color = 0xFF0000;
        const OwnedIcon s = darkBar.dateIcon(saturday);
        const OnTaskbar sat(static_cast<HICON>(s.get()), n, RGB(32, 32, 32));
        EXPECT_EQ(sat.count([](uint32_t c) { return c == 0xFF0000u; }), 0);
        EXPECT_GT(sat.count([](uint32_t c) { return c == 0xFF4F4Fu; }), n);
    }
}

}  // namespace
}  // namespace marilo
