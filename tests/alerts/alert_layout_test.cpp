#include "alerts/alert_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace marilo {
namespace {

TEST(Placement, BesideTheTaskbarOnEachEdge) {
    // A 30-pixel taskbar at the bottom of 1024 x 768, its notification area
    // ending at the right edge of the screen.
    EXPECT_EQ(placeAlert({0, 738, 1024, 768}, ScreenRect{900, 740, 1024, 766}, 1024, 768, 100, 80),
              (AlertPlacement{{924, 658}, {924, 738}}));
    // 60 pixels on the left: out to the right from x = -40 to 60, the bottom
    // flush with the notification area's.
    EXPECT_EQ(placeAlert({0, 0, 60, 768}, ScreenRect{2, 600, 58, 760}, 1024, 768, 100, 80),
              (AlertPlacement{{60, 680}, {-40, 680}}));
    EXPECT_EQ(placeAlert({0, 0, 1024, 30}, ScreenRect{900, 2, 1020, 28}, 1024, 768, 100, 80),
              (AlertPlacement{{920, 30}, {920, -50}}));
    EXPECT_EQ(placeAlert({964, 0, 1024, 768}, ScreenRect{966, 600, 1022, 760}, 1024, 768, 100, 80),
              (AlertPlacement{{864, 680}, {964, 680}}));
    // No notification-area window: the taskbar's own rectangle stands in.
    EXPECT_EQ(placeAlert({0, 740, 1024, 768}, std::nullopt, 1024, 768, 100, 80),
              (AlertPlacement{{924, 660}, {924, 740}}));
}

TEST(Slide, EasesOutATenthAtATimeAtLeastOnePixel) {
    auto path = [](int from, int to) {
        std::vector<int> steps;
        for (int at = from; at != to && steps.size() < 200;) {
            const int s = slideStep(to - at);
            steps.push_back(s);
            at += s;
        }
        return steps;
    };
    const std::vector<int> in = path(738, 658);
    ASSERT_EQ(in.size(), 34u);  // 1.7 s at 50 ms a step
    EXPECT_EQ(std::vector<int>(in.begin(), in.begin() + 12),
              (std::vector<int>{-8, -7, -6, -5, -5, -4, -4, -4, -3, -3, -3, -2}));
    EXPECT_EQ(in.back(), -1);
    const std::vector<int> out = path(-40, 60);
    EXPECT_EQ(out.front(), 10);
    EXPECT_EQ(out.back(), 1);
    EXPECT_EQ(slideStep(0), 0);
}

TEST(Background, ThreeGradientsByKindAndNoneForOthers) {
    // 200 - 200 * py / H, 200 - 200 * px / W, 200 * px / W, truncated.
    EXPECT_EQ(alertBackground(0, 5, 0, 94, 72), 200u << 16);
    EXPECT_EQ(alertBackground(0, 5, 1, 94, 80), 197u << 16);  // 197.5
    EXPECT_EQ(alertBackground(0, 5, 71, 94, 72), 2u << 16);   // 2.77...
    EXPECT_EQ(alertBackground(1, 0, 9, 94, 72), 200u << 16);
    EXPECT_EQ(alertBackground(1, 93, 9, 94, 72), 2u << 16);   // 2.12...
    EXPECT_EQ(alertBackground(2, 47, 9, 94, 72), 100u << 16);
    EXPECT_EQ(alertBackground(2, 1, 9, 94, 72), 2u << 16);    // 2.12...
    EXPECT_FALSE(alertBackground(3, 1, 1, 94, 72));
    EXPECT_FALSE(alertBackground(-1, 1, 1, 94, 72));
}

TEST(AlertLayout, TextPassesKeepTheirShadowsAndOnePixelOfWeightAtAnyScale) {
    // The title at (0, 4): at 96 dpi its white passes at x 0 and 1, its red
    // shadow one right and down, as it was always drawn.
    EXPECT_EQ(alertPassAt(0, 4, 0, 0, 96, false), (ScreenPoint{0, 4}));
    EXPECT_EQ(alertPassAt(0, 4, 0, 0, 96, true), (ScreenPoint{1, 4}));
    EXPECT_EQ(alertPassAt(0, 4, 1, 1, 96, false), (ScreenPoint{1, 5}));
    // At 144 dpi the place is 6 and the shadow 2 (1.5 rounded) away, but the
    // second pass stays one pixel beside the first, not two.
    EXPECT_EQ(alertPassAt(0, 4, 0, 0, 144, false), (ScreenPoint{0, 6}));
    EXPECT_EQ(alertPassAt(0, 4, 0, 0, 144, true), (ScreenPoint{1, 6}));
    EXPECT_EQ(alertPassAt(0, 4, 1, 1, 144, false), (ScreenPoint{2, 8}));
    // The time's shadow above it: 51 - 1 at 96 dpi, 77 - 2 at 144 dpi.
    EXPECT_EQ(alertPassAt(0, 51, 0, -1, 96, false).y, 50);
    EXPECT_EQ(alertPassAt(0, 51, 0, -1, 144, false).y, 75);
}

TEST(AlertText, OneLineWithoutTheTimesMarks) {
    EXPECT_EQ(alertWindowText({"上げ止まりに", "なりました。", "★14:07　", kAlertSlack}), u"上げ止まりになりました。 14:07");
    EXPECT_EQ(alertWindowText({"下げ３分まで", "あと１５分です。", "→09:40　", kAlertFalling}),
              u"下げ３分まであと１５分です。 09:40");
    EXPECT_EQ(alertWindowText({"上げ止まりに", "なりました。", "", kAlertSlack}), u"上げ止まりになりました。");
}

}  // namespace
}  // namespace marilo
