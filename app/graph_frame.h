#pragma once
// The tide graph's frame: at a magnification m (1, 2 or 3) on a screen of a
// given dpi, every size the graph's users take and every place a value takes
// in it. Laid out for 96 dpi, the plot is 96m pixels wide (one pixel 15 / m
// minutes) and 100m high under a 16-pixel title band; the band, the margins
// and the marks do not grow with m. On another screen each of those lengths
// is scaled by dpi / 96 (scaledLength), so the graph is as large on the
// screen as at 96 dpi.
//
// The picture every caller takes is the band and the plot with the frame's
// right edge and the bottom line of the plot: 96m + 1 by 100m + 17. The menu
// item asks for one column less (96m by 100m + 17), the graph window's client
// area for one column and one row less (96m by 100m + 16), so that there the
// frame's right edge and the plot's bottom line fall just outside.
//
// A time of day t stands at column t x 96m / 1440 and a column x reads the
// time x x 1440 / 96m (integer division): the hour grid, the marks at high
// and low water, the present moment and the graph window's tip. The curve is
// the one exception: it is drawn a column to the right, its point at column
// 1 + i showing the level at the time column i reads, after a flat first
// step from the level at 0:00 in column 0 (curveColumn).

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/screen_geometry.h"
#include "base/screen_scale.h"

namespace marilo {

struct ItemSize {
    int width;
    int height;
    bool operator==(const ItemSize&) const = default;
};

// The popup menu's calendar strip under the graph: five buttons 20 pixels
// wide and 15 high below a one-pixel gap, an item of 100 by 16 at 96 dpi,
// the strip centred in the width the system gives the item. On another
// screen the buttons are scaledLength(20) wide and the strip five of them,
// so the drawing and the hit test split it alike.
struct StripFrame {
    static constexpr int kButtons = 5;
    int dpi = kBaseDpi;

    constexpr int px(int length) const { return scaledLength(length, dpi); }
    constexpr int buttonWidth() const { return px(20); }
    constexpr int width() const { return kButtons * buttonWidth(); }
    constexpr ItemSize menuItem() const { return {width(), px(16)}; }
    // Left edge of the strip in an item that spans the columns left..right.
    constexpr int left(int itemLeft, int itemRight) const { return (itemLeft + itemRight - width()) / 2; }
    // The button (0 .. 4) under a column x columns right of the left edge of
    // an item itemWidth wide, or -1 beside the strip.
    constexpr int buttonAt(int x, int itemWidth) const {
        const int rel = x - left(0, itemWidth);
        if (rel < 0) return -1;
        const int button = rel / buttonWidth();
        return button < kButtons ? button : -1;
    }
};

struct GraphFrame {
    int m = 2;             // magnification 1..3
    int dpi = kBaseDpi;    // the screen's

    // A length of the 96-dpi layout on this screen.
    constexpr int px(int length) const { return scaledLength(length, dpi); }

    constexpr int plotWidth() const { return px(96 * m); }
    constexpr int plotHeight() const { return px(100 * m); }
    constexpr int plotTop() const { return px(16); }  // the title band's height
    constexpr int plotBottom() const { return plotTop() + plotHeight(); }

    constexpr ItemSize picture() const { return {plotWidth() + 1, plotBottom() + 1}; }
    // The black plate is filled one pixel wider and higher than the picture.
    constexpr ItemSize plate() const { return {plotWidth() + 2, plotBottom() + 2}; }
    constexpr ItemSize menuItem() const { return {plotWidth(), plotBottom() + 1}; }
    constexpr ItemSize windowClient() const { return {plotWidth(), plotBottom()}; }
    // The calendar strip of the same menu, on the same screen.
    constexpr StripFrame strip() const { return {dpi}; }
    // Top-left corner of the picture centred in a menu item the system may
    // have made wider than asked.
    constexpr ScreenPoint itemOrigin(const ItemRect& r) const {
        return {(r.left + r.right - plotWidth()) / 2, (r.top + r.bottom - plotBottom()) / 2};
    }

    constexpr int minuteToColumn(int minutes) const { return minutes * plotWidth() / 1440; }
    constexpr int columnToMinute(int column) const { return column * 1440 / plotWidth(); }
    // Column of the curve's point i (0 .. plotWidth() - 1), which shows the
    // level at columnToMinute(i).
    static constexpr int curveColumn(int i) { return 1 + i; }

    // Row of a level below the top edge: the plot's top row for yh, its
    // bottom row for yl, held within +-32767 so that nothing overflows and
    // the surface clips it. Needs yh > yl.
    int levelToRow(double level, int32_t yh, int32_t yl) const {
        constexpr double kFarRow = 32767;
        const double v = (yh - level) * plotHeight() / (static_cast<double>(yh) - yl) + plotTop();
        return static_cast<int>(std::clamp(std::isnan(v) ? 0.0 : v, -kFarRow, kFarRow));
    }

    // The moon's step 0..16 from new moon for an age in days (16 is the new
    // moon again; ages beyond the cycle are held there) and the picture
    // 0..15 it shows, in the graph and in the tray alike.
    static int moonStep(double moonAge) {
        const double k = std::trunc(moonAge * 0.03386329388259596 * 16.0 + 0.5);
        return std::isnan(k) ? 0 : static_cast<int>(std::clamp(k, 0.0, 16.0));
    }
    static int moonPicture(double moonAge) { return moonStep(moonAge) % 16; }
};

// The graph window over 1 to 4 consecutive days: the days side by side,
// each as wide as one day's plot at the magnification, day k's 0:00 at
// column k x plotWidth(); the band, the plot's height and the edges as in
// one day's frame. Under the plot, a band of one text row (14 pixels at 96
// dpi) holds each day's date, its bottom edge the picture's last row. One
// day is exactly GraphFrame's picture, without the band.
struct GraphSpanFrame {
    static constexpr int kMostDays = 4;
    GraphFrame day;
    int days = 1;

    // A stored or asked-for number of days held to 1..kMostDays.
    static constexpr int heldDays(int n) { return std::clamp(n, 1, kMostDays); }

    constexpr int dayWidth() const { return day.plotWidth(); }
    constexpr int plotWidth() const { return days * dayWidth(); }
    constexpr int dayLeft(int k) const { return k * dayWidth(); }
    // Column of a time of day k (minutes may reach 1440, the next midnight).
    constexpr int column(int k, int minutes) const { return dayLeft(k) + day.minuteToColumn(minutes); }
    // Rows of the date band, from the row under the plot's bottom line to
    // the band's bottom edge; none for one day.
    constexpr int dateBand() const { return days > 1 ? day.px(14) : 0; }
    constexpr int dateTop() const { return day.plotBottom() + 1; }
    constexpr int dateBottom() const { return day.plotBottom() + dateBand(); }  // the bottom edge; one day: the plot's
    constexpr ItemSize picture() const { return {plotWidth() + 1, dateBottom() + 1}; }
    constexpr ItemSize windowClient() const { return {plotWidth(), dateBottom()}; }
    constexpr ItemSize plate() const { return {plotWidth() + 2, dateBottom() + 2}; }
};

}  // namespace marilo
