// The graph's frame and the screen scale, against sizes worked out by hand
// from the 96-dpi layout (96m by 100m plot under a 16-pixel band).
#include "app/graph_frame.h"

#include <gtest/gtest.h>

#include "app/command_line.h"

namespace marilo {
namespace {

TEST(ScreenScale, LengthsRoundToTheNearestPixelAndOddDpisFallBack) {
    EXPECT_EQ(scaledLength(5, 144), 8);    // 7.5
    EXPECT_EQ(scaledLength(-3, 144), -5);  // -4.5, away from zero like 7.5
    EXPECT_EQ(scaledLength(7, 120), 9);    // 8.75
    EXPECT_EQ(scaledLength(18, 120), 23);  // 22.5
    EXPECT_EQ(scaledLength(16, 168), 28);
    EXPECT_EQ(scaledLength(288, 96), 288);
    EXPECT_EQ(screenDpiOrBase(0), 96);
    EXPECT_EQ(screenDpiOrBase(144), 144);
    EXPECT_EQ(screenDpiOrBase(10000), 96);
    EXPECT_EQ(dpiOfScalePercent(125), 120);
    EXPECT_EQ(dpiOfScalePercent(150), 144);
    EXPECT_EQ(dpiOfScalePercent(175), 168);
}

TEST(GraphFrame, SizesAndMappingsAt96And150Percent) {
    // 96 dpi, m = 2: picture 193 x 217, item 192 x 217, window 192 x 216.
    const GraphFrame f2{2};
    EXPECT_EQ(f2.picture(), (ItemSize{193, 217}));
    EXPECT_EQ(f2.plate(), (ItemSize{194, 218}));
    EXPECT_EQ(f2.menuItem(), (ItemSize{192, 217}));
    EXPECT_EQ(f2.windowClient(), (ItemSize{192, 216}));
    EXPECT_EQ(f2.minuteToColumn(330), 44);  // 05:30
    EXPECT_EQ(f2.columnToMinute(100), 750);
    EXPECT_EQ(f2.levelToRow(0, 180, -20), 196);  // 16 + 180 x 200 / 200

    // 144 dpi, m = 1: the plot 144 x 150 under a 24-pixel band.
    const GraphFrame f1{1, 144};
    EXPECT_EQ(f1.picture(), (ItemSize{145, 175}));
    EXPECT_EQ(f1.menuItem(), (ItemSize{144, 175}));
    EXPECT_EQ(f1.windowClient(), (ItemSize{144, 174}));
    EXPECT_EQ(f1.itemOrigin({0, 10, 200, 185}), (ScreenPoint{28, 10}));
    EXPECT_EQ(f1.minuteToColumn(330), 33);
    EXPECT_EQ(f1.columnToMinute(100), 1000);
    EXPECT_EQ(f1.levelToRow(180, 180, -20), 24);
    EXPECT_EQ(f1.levelToRow(0, 180, -20), 159);  // 24 + 180 x 150 / 200
    EXPECT_EQ(f1.levelToRow(-20, 180, -20), 174);

    // 120 dpi, m = 3: 360 x 375 under 20.
    EXPECT_EQ((GraphFrame{3, 120}.picture()), (ItemSize{361, 396}));
}

TEST(GraphFrame, OneMoonPictureForTheTrayAndTheGraph) {
    EXPECT_EQ(GraphFrame::moonPicture(0.0), 0);
    EXPECT_EQ(GraphFrame::moonPicture(29.3), 0);  // step 16: new moon again
    EXPECT_EQ(GraphFrame::moonPicture(14.77), 8);
    EXPECT_EQ(GraphFrame::moonPicture(3.7), 2);  // 2.005 + 0.5
    EXPECT_EQ(GraphFrame::moonPicture(-0.5), 0);
    EXPECT_EQ(GraphFrame::moonPicture(45.0), 0);
}

}  // namespace
}  // namespace marilo
