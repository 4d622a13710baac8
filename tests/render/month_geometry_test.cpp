#include "render/month_geometry.h"

#include <gtest/gtest.h>

#include "tests/port_at.h"

namespace marilo {
namespace {

constexpr uint32_t kRed = 0x0000FF, kBlue = 0xFF0000;

TEST(MonthScene, GridShapeAndSize) {
    // March 2024 starts on a Friday and needs a sixth row; September 2024
    // starts on a Sunday and fills five; February 2026 (28 days from a Sunday)
    // keeps five rows.
    const TideMonth march = tideMonth(PortAddress(), 2024, 3);
    EXPECT_EQ(monthRows(march), 6);
    EXPECT_EQ(monthRows(tideMonth(PortAddress(), 2024, 9)), 5);
    EXPECT_EQ(monthRows(tideMonth(PortAddress(), 2026, 2)), 5);

    const MonthPicture p = monthPictureOf(march, DefaultRules(), DateTime(2024, 3, 15, 12, 0));
    for (int s : {1, 2}) {  // 96 and 192 dpi
        const Scene scene = monthScene(p, 96 * s);
        // 7 cells of 84 and margins of 4; title 22, weekday row 16, 6 rows of
        // 86, the closing grid line, the port's line 18 and the margin.
        EXPECT_EQ(scene.width, (8 + 7 * 84) * s + 1);
        EXPECT_EQ(scene.height, (4 + 22 + 16 + 6 * 86 + 18 + 4) * s + 1);
        // The 1st sits in the sixth column (金), the 31st in the first of row 6.
        const auto cell1 = monthCellTexts(scene, p, 1, 96 * s);
        ASSERT_FALSE(cell1.empty());
        EXPECT_EQ(cell1[0], "1");
        EXPECT_EQ(monthCellTexts(scene, p, 31, 96 * s)[0], "31");
        bool found = false;
        for (const SceneText& t : scene.all<SceneText>())
            if (t.text == u"1" && t.at.x == (4 + 5 * 84 + 3) * s && t.at.y == (4 + 22 + 16 + 3) * s) found = true;
        EXPECT_TRUE(found);
        // The port's name under the grid.
        EXPECT_EQ(scene.all<SceneText>().back().text, u"田子の浦");
        EXPECT_GT(scene.all<SceneText>().back().at.y, (42 + 6 * 86) * s);
    }
}

TEST(MonthScene, ColoursFromTheRulesAndTodayFramed) {
    const TideMonth march = tideMonth(PortAddress(), 2024, 3);
    const MonthPicture p = monthPictureOf(march, DefaultRules(), DateTime(2024, 3, 15, 12, 0));
    EXPECT_EQ(p.weekdayColors[0], kRed);
    EXPECT_EQ(p.weekdayColors[6], kBlue);
    EXPECT_EQ(p.weekdayColors[3], 0u);
    EXPECT_EQ(p.dateColors[19], kRed);   // 20 March 2024, 春分の日, a Wednesday
    EXPECT_EQ(p.dateColors[1], kBlue);   // 2 March, a Saturday
    EXPECT_EQ(p.dateColors[3], 0u);      // 4 March, a Monday
    EXPECT_EQ(p.today, 15);

    const Scene scene = monthScene(p, 96);
    int todayLines = 0;
    for (const SceneLine& l : scene.all<SceneLine>()) todayLines += l.color == kMonthToday;
    EXPECT_EQ(todayLines, 8);
    for (const SceneText& t : scene.all<SceneText>()) {
        if (t.text == u"20" || t.text == u"日") {
            EXPECT_EQ(t.color, kRed);
        }
        if (t.text == u"4" || t.text == u"水") {
            EXPECT_EQ(t.color, kMonthText);
        }
    }

    // Another month shows no frame.
    const MonthPicture april = monthPictureOf(tideMonth(PortAddress(), 2024, 4), DefaultRules(),
                                              DateTime(2024, 3, 15, 12, 0));
    EXPECT_EQ(april.today, 0);
    for (const SceneLine& l : monthScene(april, 96).all<SceneLine>()) EXPECT_NE(l.color, kMonthToday);
}

TEST(MonthScene, CellOfTheWorkedDay) {
    const MonthPicture p = monthPictureOf(tideMonth(PortAddress(), 2024, 1), RuleList(), DateTime(2024, 2, 1));
    const std::vector<std::string> texts = monthCellTexts(monthScene(p, 192), p, 11, 192);
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts[0], "11");
    EXPECT_EQ(texts[1], "大潮");
    EXPECT_EQ(texts[2], " 朔 ");
    EXPECT_EQ(texts[3].substr(0, 8), "H  6:12 ");
    EXPECT_EQ(texts[4].substr(0, 8), "L 11:33 ");
    EXPECT_EQ(texts[5], "H 16:35 146");
    EXPECT_EQ(texts[6], "L 23:41 -17");
    // A day without a principal phase has no phase text.
    EXPECT_EQ(monthCellTexts(monthScene(p, 96), p, 25, 96)[1], "大潮");
    EXPECT_NE(monthCellTexts(monthScene(p, 96), p, 25, 96)[2].substr(0, 1), " ");
}

TEST(MonthScene, WindowTitleAndFileNameInUtf16) {
    const MonthPicture p = monthPictureOf(tideMonth(PortAddress(), 2024, 3), RuleList(), DateTime(2024, 3, 15));
    EXPECT_EQ(monthWindowTitle(p), u"月間潮見表 2024年3月 田子の浦");
    EXPECT_EQ(monthFileName(p), u"2024-03.png");
    // 11 January's last low water as its cell draws it.
    const MonthPicture january = monthPictureOf(tideMonth(PortAddress(), 2024, 1), RuleList(), DateTime(2024, 2, 1));
    int found = 0;
    for (const SceneText& t : monthScene(january, 96).all<SceneText>()) found += t.text == u"L 23:41 -17";
    EXPECT_EQ(found, 1);
}

TEST(MonthScene, StepsAndSizeOnTheScreen) {
    int32_t y = 2024, m = 12;
    stepMonth(y, m, 1);
    EXPECT_EQ(y * 100 + m, 202501);
    stepMonth(y, m, -13);
    EXPECT_EQ(y * 100 + m, 202312);
    y = 9999, m = 12;
    stepMonth(y, m, 1);
    EXPECT_EQ(y * 100 + m, 999912);
    y = 1000, m = 1;
    stepMonth(y, m, -1);
    EXPECT_EQ(y * 100 + m, 100001);
    // 8 + 7 x 84 + 1 = 597 wide and 42 + 5 x 86 + 1 + 22 = 495 high for a
    // month of five rows at 96 dpi; at 150% every length x 1.5 rounded:
    // 12 + 7 x 126 + 1 = 895 and 63 + 5 x 129 + 1 + 33 = 742.
    const TideMonth april = tideMonth(PortAddress(), 2024, 4);
    ASSERT_EQ(monthRows(april), 5);
    EXPECT_EQ(monthPictureWidth(96), 597);
    EXPECT_EQ(monthPictureHeight(april, 96), 495);
    EXPECT_EQ(monthPictureWidth(144), 895);
    EXPECT_EQ(monthPictureHeight(april, 144), 742);
    const Scene big = monthScene(monthPictureOf(april, RuleList(), DateTime(2024, 4, 1)), 144);
    EXPECT_EQ(big.dpi, 144);
    EXPECT_EQ(big.all<SceneText>().at(0).font.points, 12);  // the title's points, not its pixels
}

}  // namespace
}  // namespace marilo
