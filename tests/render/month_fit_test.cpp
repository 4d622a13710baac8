// The month window's layout fitting the work area, against sizes worked out
// by hand: the picture is 2 x px(4) + 7 x px(84) + 1 wide and px(42) +
// rows x px(86) + 1 + px(22) high, px(n) being n x dpi / 96 rounded.
#include "render/month_fit.h"

#include <gtest/gtest.h>

#include "base/screen_geometry.h"

namespace marilo {
namespace {

// The Wine bench at 144 dpi: 1024 x 768 with a taskbar of 28, a window
// frame of 3 on each side under a title and a menu bar of 27 each.
constexpr ItemSize kBench144{1024, 740};
constexpr ItemSize kChrome144{6, 57};

TEST(MonthFit, SixWeeksAt144DpiShrinkUntilTheyFitTheBench) {
    // At 144 dpi the picture is 895 x 871: 683 rows are free. At 114 dpi it
    // is 50 + 6 x 102 + 1 + 26 = 689 high, at 113 dpi 49 + 6 x 101 + 1 + 26
    // = 682 and 2 x 5 + 7 x 99 + 1 = 704 wide.
    EXPECT_EQ(fitMonth(6, 144, kBench144, kChrome144, 25), (MonthFit{113, {704, 682}, false, false}));
    // Five weeks: 63 + 5 x 129 + 1 + 33 = 742 at 144 dpi; at 133 dpi
    // 58 + 5 x 119 + 1 + 30 = 684, at 132 dpi 58 + 5 x 118 + 1 + 30 = 679
    // and 2 x 6 + 7 x 116 + 1 = 825 wide.
    EXPECT_EQ(fitMonth(5, 144, kBench144, kChrome144, 25), (MonthFit{132, {825, 679}, false, false}));
}

TEST(MonthFit, AtItsOwnDpiWhenThereIsRoomAndScrollingBelowTheReadableSize) {
    // 96 dpi on 1920 x 1040: 597 x 581, as always.
    EXPECT_EQ(fitMonth(6, 96, {1920, 1040}, {6, 50}, 17), (MonthFit{96, {597, 581}, false, false}));
    // 144 dpi on 800 x 572: even the 96-dpi picture (581 high) leaves 515
    // free rows: it scrolls up and down, the scroll bar beside it.
    EXPECT_EQ(fitMonth(6, 144, {800, 572}, kChrome144, 25), (MonthFit{96, {597, 515}, false, true}));
    // Too narrow as well: both ways, each bar taking room from the other side.
    EXPECT_EQ(fitMonth(6, 144, {500, 400}, kChrome144, 25), (MonthFit{96, {469, 318}, true, true}));
    // A dpi no screen reports counts as 96.
    EXPECT_EQ(fitMonth(5, 0, {1920, 1040}, {6, 50}, 17).dpi, 96);
}

TEST(PlaceInside, AWindowIsMovedIntoTheWorkAreaByAsLittleAsItTakes) {
    const ScreenRect work{0, 0, 1024, 740};  // above a taskbar of 28
    // The graph window opened at the pointer over the taskbar: lifted.
    EXPECT_EQ(placeInside({900, 700}, 200, 240, work), (ScreenPoint{824, 500}));
    EXPECT_EQ(placeInside({-30, 10}, 200, 240, work), (ScreenPoint{0, 10}));
    EXPECT_EQ(placeInside({100, 100}, 200, 240, work), (ScreenPoint{100, 100}));  // inside: kept
    // Larger than the area: its top-left corner at the area's.
    EXPECT_EQ(placeInside({50, 50}, 1100, 900, work), (ScreenPoint{0, 0}));
    // A second monitor to the right.
    EXPECT_EQ(placeInside({1900, 300}, 300, 200, {1024, 0, 2048, 768}), (ScreenPoint{1748, 300}));
}

}  // namespace
}  // namespace marilo
