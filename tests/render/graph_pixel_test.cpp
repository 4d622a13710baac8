// The tide graph, the menu's owner-drawn items and the clipboard copy as GDI
// draws them (under Wine in the Windows tree). Expected places come from the
// graph's own rules worked out here: row 16 + (YH - L) x 100m / (YH - YL),
// column (m x 96 x t) / 1440.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/gdi.h"
#include "platform/text.h"
#include "render/graph_labels.h"
#include "render/graph_span.h"
#include "render/menu_items.h"
#include "render/tide_graph.h"

namespace marilo {
namespace {

constexpr uint32_t kAxis = 0x808080;
constexpr uint32_t kGrid = 0x202020;
constexpr uint32_t kCurve = 0xFF3232;     // red 50, green 50, blue 255
constexpr uint32_t kNowMark = 0x00FFFF;   // yellow
constexpr uint32_t kTurnMark = 0x40A0FF;  // orange 255, 160, 64

struct Picture {
    DibSurface surface;
    Picture(int w, int h) : surface(w, h, 24) {}
    uint32_t at(int x, int y) const {
        if (x < 0 || y < 0 || x >= surface.width() || y >= surface.height()) return 0xFFFFFFFF;
        const uint8_t* p = surface.bits() + (surface.height() - 1 - y) * surface.stride() + 3 * x;
        return p[2] | p[1] << 8 | static_cast<uint32_t>(p[0]) << 16;
    }
    int countInRow(int y, uint32_t color, int from, int to) const {
        int n = 0;
        for (int x = from; x < to; ++x) n += at(x, y) == color;
        return n;
    }
    int countInColumn(int x, uint32_t color, int from, int to) const {
        int n = 0;
        for (int y = from; y < to; ++y) n += at(x, y) == color;
        return n;
    }
};

// 2024-01-11 at the default port: today at 12:00, or seen from the day
// before (no present moment).
GraphDay day(bool today) {
    ControllerSettings cs;
    cs.rules = DefaultRules();
    return today ? graphDayOf(cs, DateTime(2024, 1, 11, 12, 0), 0) : graphDayOf(cs, DateTime(2024, 1, 10, 12, 0), 1);
}

int rowOf(double level, int m, int yh, int yl) { return static_cast<int>((yh - level) * 100 * m / (yh - yl) + 16); }

Picture painted(const GraphDay& g, const GraphStyle& s) {
    Picture p(96 * s.scale + 1, 100 * s.scale + 17);
    DrawTideGraph(p.surface.dc(), 0, 0, g, s, false);
    GdiFlush();
    return p;
}

TEST(GraphPixels, FrameGridAxesMarksAndTheNowMarkAtEveryScale) {
    const GraphDay g = day(true);
    for (int m = 1; m <= 3; ++m) {
        const Picture p = painted(g, {m, 180, -20, 50, 4});
        const int w = 96 * m, bottom = 16 + 100 * m;
        // The frame: both sides, the top, the line under the title, the
        // bottom of the plot; nothing on the very last row.
        EXPECT_EQ(p.countInColumn(0, kAxis, 0, bottom + 1), bottom + 1) << m;
        EXPECT_GE(p.countInColumn(w, kAxis, 16, bottom + 1), bottom - 16) << m;
        EXPECT_EQ(p.countInRow(16, kAxis, 0, w + 1), w + 1) << m;
        EXPECT_EQ(p.countInRow(bottom, kAxis, 0, w + 1), w + 1) << m;
        EXPECT_GE(p.countInRow(0, kAxis, 0, w + 1), w - 20) << m;  // the moon icon may cover some
        // The zero line at 16 + 90m, grid lines at 50, 100 and 150 cm, the
        // noon line at 48m: each mostly free of what is drawn over it.
        EXPECT_GE(p.countInRow(16 + 90 * m, kAxis, 1, w), w * 7 / 10) << m;
        for (int level : {50, 100, 150}) EXPECT_GE(p.countInRow(rowOf(level, m, 180, -20), kGrid, 1, w), w / 2) << m;
        EXPECT_GE(p.countInColumn(48 * m, kAxis, 17, bottom), 100 * m * 6 / 10) << m;
        EXPECT_GE(p.countInColumn(24, kGrid, 17, bottom), 100 * m / 2) << m;

        // The present moment, 12:00, on the noon line.
        const double level = g.day.levelAtTime(12, 0);
        const int r = rowOf(level, m, 180, -20) - 2;
        if (m == 1) {
            EXPECT_EQ(p.at(48 + 2, r + 2), kNowMark);
        } else {
            EXPECT_EQ(p.at(48 * m + 2, r + 3), kNowMark);
        }
        // High and low water marks only at m = 2 and 3: the ring's row on
        // the side away from its label (below a high water, above a low
        // water) over the turning point's column; on the day seen from the
        // day before, where no "Now" label covers the 11:33 low water.
        const GraphDay seen = day(false);
        const Picture q = painted(seen, {m, 180, -20, 50, 4});
        int rings = 0;
        for (int i = 0; i < 4; ++i) {
            const TideExtreme& e = seen.day.extremes[i];
            const int dx = m * 96 * (60 * e.hour + e.minute) / 1440;
            const int row = rowOf(e.level, m, 180, -20);
            rings += q.at(dx + 1, e.kind == kHighWater ? row + 3 : row - 3) == kTurnMark;
        }
        EXPECT_EQ(rings, m == 1 ? 0 : 4) << m;
    }
}

TEST(GraphPixels, TheCurveStandsInEveryColumnWhereTheLevelSaysAndTheTitleIsWritten) {
    const GraphDay g = day(false);
    ASSERT_FALSE(g.showsNow);
    for (int m = 1; m <= 3; ++m) {
        const Picture p = painted(g, {m, 300, -100, 0, 1});
        std::set<int> underMarks;
        if (m > 1)
            for (int i = 0; i < 4; ++i) {
                const int dx = m * 96 * g.day.extremes[i].minutes() / 1440;
                for (int c = dx - 2; c <= dx + 4; ++c) underMarks.insert(c);
            }
        int checked = 0;
        for (int c = 1; c < 96 * m; ++c) {
            if (underMarks.count(c)) continue;
            const int t = (c - 1) * 1440 / (96 * m);
            EXPECT_EQ(p.at(c, rowOf(g.day.levelAtTime(0, t), m, 300, -100)), kCurve) << "m" << m << " column " << c;
            ++checked;
        }
        EXPECT_GT(checked, 96 * m - 30);
        // White title text in the band, the moon in the top-right corner.
        EXPECT_GT(p.countInRow(8, 0xFFFFFF, 4, 60) + p.countInRow(9, 0xFFFFFF, 4, 60), 4) << m;
        const int moon = 16 - p.countInRow(8, 0x000000, 96 * m - 18, 96 * m - 2);
        EXPECT_GT(moon, 8) << m;
    }
}

TEST(GraphPixels, TheSurfaceIsLeftAsItWasFound) {
    Picture p(193, 217);
    HDC dc = p.surface.dc();
    const Pen pen = solidPen(RGB(1, 2, 3));
    const Brush brush = solidBrush(RGB(4, 5, 6));
    const Font font = pointFont(dc, 10, "Small Fonts");
    SelectObject(dc, pen.get());
    SelectObject(dc, brush.get());
    SelectObject(dc, font.get());
    SetTextColor(dc, RGB(7, 8, 9));
    SetBkMode(dc, OPAQUE);
    SetTextAlign(dc, TA_RIGHT | TA_BOTTOM);
    MoveToEx(dc, 5, 6, nullptr);
    DrawTideGraph(dc, 0, 0, day(true), {2, 180, -20, 50, 4}, true);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen.get());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush.get());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font.get());
    EXPECT_EQ(GetTextColor(dc), RGB(7, 8, 9));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetTextAlign(dc), static_cast<UINT>(TA_RIGHT | TA_BOTTOM));
    POINT at;
    GetCurrentPositionEx(dc, &at);
    EXPECT_EQ(at.x * 100 + at.y, 506);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
}

// The cells the label placement reckons with hold what GDI draws with the
// faces installed: every label of two busy days at each size and dpi.
TEST(GraphPixels, LabelCellsHoldTheTextAsDrawn) {
    ControllerSettings cs;
    cs.rules = DefaultRules();
    HDC dc = CreateCompatibleDC(nullptr);
    for (const DateTime& when : {DateTime(2026, 12, 8, 23, 15), DateTime(2024, 3, 1, 8, 10)})
        for (int m = 1; m <= 3; ++m)
            for (int dpi : {96, 120, 144, 192}) {
                const GraphStyle style{m, 180, -20, 50, 4, dpi};
                const Scene one = tideGraphScene(graphDayOf(cs, when, 0), style, false);
                // and three days, with the moon's texts and the dates
                const std::vector<GraphDay> days{graphDayOf(cs, when, 0), graphDayOf(cs, when, 1),
                                                 graphDayOf(cs, when, 2)};
                const Scene span = tideSpanScene(
                    days, graphSkyOf(graphSpanFrameOf(style, 3), cs.port, days[0].day.date), style);
                std::vector<SceneText> texts = one.all<SceneText>();
                for (const SceneText& t : span.all<SceneText>()) texts.push_back(t);
                for (const SceneText& t : texts) {
                    const Font font = pointFont(t.font.points, dpi, t.font.face);
                    const SelectGuard selected(dc, font.get());
                    const std::wstring text(t.text.begin(), t.text.end());
                    SIZE size{};
                    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
                    TEXTMETRICW tm{};
                    GetTextMetricsW(dc, &tm);
                    SceneText top = t;
                    top.h = HAlign::Left, top.v = VAlign::Top, top.at = {0, 0};
                    const LabelBox cell = labelBox(top, dpi);
                    const std::string shown(t.text.begin(), t.text.end());
                    EXPECT_LE(size.cx, cell.right) << shown << " m" << m << " " << dpi;
                    EXPECT_LE(tm.tmHeight, cell.bottom) << shown << " m" << m << " " << dpi;
                    top.v = VAlign::Baseline, top.at = {0, 100};
                    EXPECT_LE(tm.tmAscent, 100 - labelBox(top, dpi).top) << shown << " m" << m << " " << dpi;
                }
            }
    DeleteDC(dc);
}

DRAWITEMSTRUCT drawItem(HDC dc, UINT id, RECT r, bool selected) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = id;
    item.itemState = selected ? ODS_SELECTED : 0;
    item.hDC = dc;
    item.rcItem = r;
    return item;
}

TEST(MenuItemPixels, CalendarStripButtonsAndGlyphs) {
    for (const bool sel : {false, true}) {
        Picture p(140, 16);
        drawCalendarStrip(drawItem(p.surface.dc(), 1126, {0, 0, 140, 16}, sel), StripFrame{});
        GdiFlush();
        const uint32_t menu = GetSysColor(COLOR_MENU), back = GetSysColor(sel ? COLOR_HIGHLIGHT : COLOR_MENU);
        EXPECT_EQ(p.at(5, 8), back);
        EXPECT_EQ(p.at(130, 0), back);
        for (int k = 0; k < 5; ++k) {
            const int b = 20 + 20 * k, t = 0;
            // Raised edges: white along the top and left, black along the
            // bottom and right.
            EXPECT_EQ(p.at(b, t + 1), 0xFFFFFFu);
            EXPECT_EQ(p.at(b + 18, t + 1), 0xFFFFFFu);
            EXPECT_EQ(p.at(b, t + 14), 0xFFFFFFu);
            EXPECT_EQ(p.at(b + 19, t + 1), 0u);
            EXPECT_EQ(p.at(b, t + 15), 0u);
            EXPECT_EQ(p.at(b + 19, t + 15), 0u);
            EXPECT_EQ(p.at(b + 1, t), back);
            // The glyph: each chevron arm runs diagonally from its tip on row
            // t + 8 toward its end column, which it does not reach.
            std::set<std::pair<int, int>> glyph;
            auto chevron = [&](int tip, int end) {
                const int dir = end > tip ? 1 : -1;
                for (int pair = 0; pair < 2; ++pair)
                    for (int s = 0; s < 5; ++s) {
                        glyph.insert({tip + pair + dir * s, t + 8 - s});
                        glyph.insert({tip + pair + dir * s, t + 8 + s});
                    }
            };
            if (k == 0) chevron(b + 4, b + 9), chevron(b + 8, b + 13);
            if (k == 1) chevron(b + 4, b + 9);
            if (k == 2)
                for (int x = b + 4; x < b + 15; ++x)
                    for (int y = t + 3; y < t + 13; ++y) glyph.insert({x, y});
            if (k == 3) chevron(b + 14, b + 9);
            if (k == 4) chevron(b + 10, b + 5), chevron(b + 14, b + 9);
            for (int x = b + 1; x < b + 19; ++x)
                for (int y = t + 2; y < t + 15; ++y)
                    EXPECT_EQ(p.at(x, y), glyph.count({x, y}) ? 0u : menu) << "button " << k << " at " << x - b << ","
                                                                         << y - t;
        }
    }
}

TEST(MenuItemPixels, GraphItemCentredOnItsBackground) {
    for (const bool sel : {false, true}) {
        Picture p(260, 240);
        const ItemRect r = drawGraphItem(drawItem(p.surface.dc(), 1125, {10, 5, 250, 234}, sel), day(true),
                                         {2, 180, -20, 50, 4});
        GdiFlush();
        EXPECT_EQ(r.left * 1000 + r.right, 10250);
        EXPECT_EQ(r.top * 1000 + r.bottom, 5234);
        // The picture's corner at ((10 + 250 - 192) / 2, (5 + 234 - 216) / 2).
        EXPECT_EQ(p.at(34, 11), kAxis);
        EXPECT_EQ(p.at(33, 11), GetSysColor(sel ? COLOR_HIGHLIGHT : COLOR_MENU));
        EXPECT_EQ(p.at(34, 10), GetSysColor(sel ? COLOR_HIGHLIGHT : COLOR_MENU));
        EXPECT_EQ(p.at(34 + 192, 11 + 216), kAxis);  // the frame's right edge, to the bottom
        EXPECT_EQ(p.at(5, 5), 0u);                    // outside the item: untouched
    }
}

TEST(Clipboard, TheGraphArrivesAsABitmapOfThePicturesSizeWithItsWatermark) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    for (auto [m, w, h] : {std::tuple{1, 97, 117}, {2, 193, 217}, {3, 289, 317}}) {
        ASSERT_TRUE(copyGraphToClipboard(owner, day(true), {m, 180, -20, 50, 4}));
        ASSERT_TRUE(OpenClipboard(owner));
        HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
        ASSERT_NE(bitmap, nullptr);
        BITMAP info{};
        GetObjectW(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, w);
        EXPECT_EQ(info.bmHeight, h);
        Picture copy(w, h);
        {
            MemoryDc from = memoryDcLike(nullptr);
            const SelectGuard sel(from.get(), bitmap);
            BitBlt(copy.surface.dc(), 0, 0, w, h, from.get(), 0, 0, SRCCOPY);
        }
        CloseClipboard();
        int watermark = 0;
        for (int y = 19; y < h; ++y) watermark += copy.countInRow(y, 0x101010, 0, w);
        EXPECT_GT(watermark, 50) << m;
        EXPECT_EQ(copy.at(0, 0), kAxis);
    }
    DestroyWindow(owner);
}

}  // namespace
}  // namespace marilo
