// The tide graph, the owner-drawn items and the graph window as plain
// geometry, against the numbers worked out for them by hand.
#include "render/graph_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

#include "app/menu_model.h"
#include "platform/cp932.h"
#include "render/graph_window_logic.h"
#include "render/menu_item_geometry.h"

namespace marilo {
namespace {

GraphDay dayOf(int y, int mo, int d, bool now = false, int hour = 0, int minute = 0) {
    ControllerSettings cs;
    cs.rules = DefaultRules();
    GraphDay g = graphDayOf(cs, DateTime(y, mo, d, hour, minute), 0);
    g.showsNow = now;
    return g;
}

GraphStyle style(int m, int32_t yh = 180, int32_t yl = -20, int32_t yt = 50, int32_t show = 4) {
    return {m, yh, yl, yt, show};
}

std::vector<SceneLine> linesOf(const Scene& s, uint32_t color) {
    std::vector<SceneLine> out;
    for (const SceneLine& l : s.all<SceneLine>())
        if (l.color == color) out.push_back(l);
    return out;
}

std::vector<SceneText> textsOf(const Scene& s, uint32_t color) {
    std::vector<SceneText> out;
    for (const SceneText& t : s.all<SceneText>())
        if (t.color == color) out.push_back(t);
    return out;
}

long countIcons(const Scene& s, int id) {
    long n = 0;
    for (const SceneIcon& i : s.all<SceneIcon>()) n += i.resourceId == id;
    return n;
}

TEST(GraphGeometry, DefaultAxisGridNumbersAndZeroLine) {
    const Scene s1 = tideGraphScene(dayOf(2024, 1, 12), style(1), false);
    // Grid at 0, 50, 100, 150: rows 16 + (180 - L) x 100 / 200.
    std::vector<int> rows;
    for (const SceneLine& l : linesOf(s1, kGraphGrid))
        if (l.from.y == l.to.y) rows.push_back(l.from.y);
    EXPECT_EQ(rows, (std::vector<int>{106, 81, 56, 31}));
    std::vector<std::pair<std::u16string, ScenePoint>> numbers;
    for (const SceneText& t : textsOf(s1, kGraphNumbers))
        if (t.h == HAlign::Left) numbers.push_back({t.text, t.at});
    EXPECT_EQ(numbers, (std::vector<std::pair<std::u16string, ScenePoint>>{
                           {u"0", {48, 106}}, {u"50", {48, 81}}, {u"100", {48, 56}}, {u"150", {48, 31}}}));
    const std::vector<SceneLine> axes = linesOf(s1, kGraphAxis);
    ASSERT_GE(axes.size(), 2u);
    EXPECT_EQ(axes[0].from, (ScenePoint{0, 106}));  // the zero line
    EXPECT_EQ(axes[0].to, (ScenePoint{96, 106}));
    EXPECT_EQ(axes[1].from, (ScenePoint{48, 16}));  // the noon line
    EXPECT_EQ(axes[1].to, (ScenePoint{48, 116}));

    // Hour grid every 24 columns, the last on the right edge; the plate and
    // the frame.
    // The picture every caller copies (the clipboard's bitmap).
    for (auto [m, w, h] : {std::tuple{1, 97, 117}, {2, 193, 217}, {3, 289, 317}})
        EXPECT_EQ(tideGraphScene(dayOf(2024, 1, 12), style(m), true).width * 1000 +
                      tideGraphScene(dayOf(2024, 1, 12), style(m), true).height,
                  w * 1000 + h);
    const Scene s3 = tideGraphScene(dayOf(2024, 1, 12), style(3), false);
    std::vector<int> columns;
    for (const SceneLine& l : linesOf(s3, kGraphGrid))
        if (l.from.x == l.to.x) columns.push_back(l.from.x);
    EXPECT_EQ(columns.size(), 12u);
    EXPECT_EQ(columns.back(), 288);
    const SceneFill plate = s3.all<SceneFill>().at(0);
    EXPECT_EQ(plate.right - plate.left, 290);
    EXPECT_EQ(plate.bottom - plate.top, 318);
    const std::vector<SceneLine> frame = linesOf(s3, kGraphAxis);
    ASSERT_EQ(frame.size(), 7u);
    EXPECT_EQ(frame[2].from, (ScenePoint{0, 0}));
    EXPECT_EQ(frame[2].to, (ScenePoint{0, 317}));
    EXPECT_EQ(frame[3].from, (ScenePoint{288, 0}));
    EXPECT_EQ(frame[6].from, (ScenePoint{0, 316}));
    EXPECT_EQ(frame[6].to, (ScenePoint{289, 316}));
}

TEST(GraphGeometry, CurveHasAPointPerColumnAndAFlatFirstStep) {
    const GraphDay g = dayOf(2024, 1, 11);
    for (int m = 1; m <= 3; ++m) {
        const ScenePolyline curve = tideGraphScene(g, style(m, 300, -100), false).all<ScenePolyline>().at(0);
        ASSERT_EQ(curve.points.size(), static_cast<size_t>(96 * m + 1));
        EXPECT_EQ(curve.points[0].y, curve.points[1].y);
        // Column 1 + i shows minute i x 15 / m; at m = 2 column 45 is 5:30.
        for (size_t i = 0; i < curve.points.size(); ++i) EXPECT_EQ(curve.points[i].x, static_cast<int>(i));
        const int row = static_cast<int>((300 - g.day.levelAtTime(0, 330)) * 100 * m / 400.0 + 16);
        if (m == 2) {
            EXPECT_EQ(curve.points[45].y, row);
        }
        EXPECT_EQ(curve.color, kGraphCurve);
    }
}

TEST(GraphGeometry, HighAndLowWaterMarksAndLabels) {
    GraphDay g = dayOf(2024, 1, 11);
    g.day.extremes[0] = {5, 30, 150.0, kHighWater};
    g.day.extremes[1] = {11, 33, -3.7, kLowWater};
    g.day.extremes[2] = {24, 30, 120.0, kHighWater};  // after midnight, still classified
    g.day.extremes[3] = {23, 41, 50.0, kUnclassified};

    const Scene s = tideGraphScene(g, style(2), false);
    const std::vector<SceneText> labels = textsOf(s, kGraphMarkLabel);
    ASSERT_EQ(labels.size(), 3u);
    // 05:30 at m = 2 is column 44 (330 x 192 / 1440), left of 48: left-aligned,
    // standing above its mark.
    EXPECT_EQ(labels[0].text, u"5:30 L150");
    EXPECT_EQ(labels[0].at, (ScenePoint{44, 46}));  // 16 + 30 x 200 / 200
    EXPECT_EQ(labels[0].h, HAlign::Left);
    EXPECT_EQ(labels[0].v, VAlign::Bottom);
    EXPECT_EQ(labels[1].text, u"11:33 L-3");
    EXPECT_EQ(labels[1].h, HAlign::Center);
    EXPECT_EQ(labels[1].v, VAlign::Top);
    // Its mark at column 196, beyond the right border at 192: the label ends
    // two pixels inside the border.
    EXPECT_EQ(labels[2].h, HAlign::Right);
    EXPECT_EQ(labels[2].at.x, 190);
    EXPECT_EQ(labels[0].font, kGraphGothic8);
    const std::vector<SceneIcon> icons = s.all<SceneIcon>();
    ASSERT_EQ(icons.size(), 4u);  // three marks and the moon
    EXPECT_EQ(icons[0].resourceId, kExtremeMarkIcon);
    EXPECT_EQ(icons[0].at, (ScenePoint{42, 43}));
    EXPECT_EQ(icons[0].size, 7);

    // What the labels say, by GraphShowMode; 0 and 1 give the marks alone.
    const char16_t* expected[] = {nullptr, nullptr, u"5:30", u"L150", u"5:30 L150"};
    for (int mode = 0; mode <= 4; ++mode) {
        const Scene sm = tideGraphScene(g, style(2, 180, -20, 50, mode), true);
        const std::vector<SceneText> l = textsOf(sm, kGraphMarkLabel);
        EXPECT_EQ(countIcons(sm, kExtremeMarkIcon), 3) << mode;
        if (expected[mode]) {
            ASSERT_EQ(l.size(), 3u);
            EXPECT_EQ(l[0].text, expected[mode]);
        } else {
            EXPECT_TRUE(l.empty()) << mode;
        }
    }
    // At m = 1 neither marks nor labels.
    const Scene small = tideGraphScene(g, style(1), false);
    EXPECT_TRUE(textsOf(small, kGraphMarkLabel).empty());
    EXPECT_EQ(countIcons(small, kExtremeMarkIcon), 0);
}

TEST(GraphGeometry, PresentMomentOnlyOnTodayWithItsLevel) {
    const GraphDay today = dayOf(2024, 1, 11, true, 12, 0);
    // The level of a full solution at the present minute.
    const double level = TideDay(PortAddress(), DateTime(2024, 1, 11, 12, 0)).levelNow;
    for (int m = 1; m <= 3; ++m) {
        const Scene s = tideGraphScene(today, style(m), false);
        const std::vector<SceneText> now = textsOf(s, kGraphNowLabel);
        ASSERT_EQ(now.size(), 1u);
        EXPECT_EQ(now[0].text, cp932ToUtf16("Now L" + std::to_string(static_cast<int>(level))));
        const int r = static_cast<int>((180 - level) * 100 * m / 200.0 + 16) - 2;
        EXPECT_EQ(now[0].at, (ScenePoint{48 * m, r}));
        EXPECT_EQ(now[0].v, VAlign::Baseline);
        EXPECT_EQ(now[0].h, HAlign::Center);
        const SceneIcon mark = s.all<SceneIcon>().at(m == 1 ? 0 : 4);
        EXPECT_EQ(mark.resourceId, m == 1 ? kNowMarkSmallIcon : kNowMarkIcon);
        EXPECT_EQ(mark.size, m == 1 ? 5 : 7);
        EXPECT_EQ(mark.at, (ScenePoint{48 * m - (m == 1 ? 0 : 1), r}));
        EXPECT_EQ(now[0].font, m == 1 ? kGraphSmallFont : kGraphGothic8);
    }
    EXPECT_TRUE(textsOf(tideGraphScene(dayOf(2024, 1, 11), style(2), false), kGraphNowLabel).empty());
}

TEST(GraphGeometry, HourNumbersTitleAndMoon) {
    const GraphDay g = dayOf(2024, 1, 11);  // a Thursday, 大潮
    for (auto [m, hours] : {std::pair{1, std::vector<int>{6, 12, 18}}, {2, {3, 6, 9, 12, 15, 18, 21}},
                            {3, {3, 6, 9, 12, 15, 18, 21}}}) {
        const Scene s = tideGraphScene(g, style(m), false);
        std::vector<std::pair<int, std::u16string>> found;
        for (const SceneText& t : textsOf(s, kGraphNumbers))
            if (t.h == HAlign::Center) found.push_back({t.at.x, t.text});
        ASSERT_EQ(found.size(), hours.size());
        for (size_t i = 0; i < hours.size(); ++i) {
            EXPECT_EQ(found[i].first, hours[i] * 4 * m) << m;
            EXPECT_EQ(found[i].second, cp932ToUtf16(std::to_string(hours[i])));
        }
        const SceneTitle title = s.all<SceneTitle>().at(0);
        EXPECT_EQ(title.at, (ScenePoint{4, 2}));
        EXPECT_EQ(title.font, kGraphGothic8);
        ASSERT_EQ(title.pieces.size(), 3u);
        EXPECT_EQ(title.pieces[0].first, m == 1 ? u"1/11(" : u"2024/1/11 (");
        EXPECT_EQ(title.pieces[1].first, u"木");
        EXPECT_EQ(title.pieces[1].second, kGraphTitle);  // no rule for this Thursday
        EXPECT_EQ(title.pieces[2].first, u") 大潮");
        EXPECT_EQ(s.all<SceneIcon>().back().at, (ScenePoint{96 * m - 18, 0}));
    }
    // A Sunday under the first-start rules: the weekday in red.
    const SceneTitle sunday = tideGraphScene(dayOf(2024, 1, 14), style(2), false).all<SceneTitle>().at(0);
    EXPECT_EQ(sunday.pieces[1].second, rgb(255, 0, 0));

    EXPECT_EQ(moonIconOf(0.0), 157);
    EXPECT_EQ(moonIconOf(29.4), 157);  // step 16, the new moon again
    EXPECT_EQ(GraphFrame::moonStep(29.4), 16);
    EXPECT_EQ(moonIconOf(14.77), 165);
    EXPECT_EQ(moonIconOf(1.0), 158);
    EXPECT_EQ(moonIconOf(31.0), 157);  // beyond the table's ages: held at new moon
}

TEST(GraphGeometry, GuardsForAxisSettings) {
    const GraphDay g = dayOf(2024, 1, 11, true, 8, 0);
    auto horizontalGrid = [](const Scene& s) {
        int n = 0;
        for (const SceneLine& l : linesOf(s, kGraphGrid)) n += l.from.y == l.to.y;
        return n;
    };
    auto levelNumbers = [](const Scene& s) {
        int n = 0;
        for (const SceneText& t : textsOf(s, kGraphNumbers)) n += t.h == HAlign::Left;
        return n;
    };
    for (int32_t yt : {0, -50}) {
        const Scene s = tideGraphScene(g, style(2, 180, -20, yt), false);
        EXPECT_EQ(horizontalGrid(s), 0);
        EXPECT_EQ(levelNumbers(s), 0);
        EXPECT_EQ(s.all<ScenePolyline>().size(), 1u);
    }
    // YL = -20, YT = 50 starts at 0; a positive YL starts at the multiple
    // below it.
    EXPECT_EQ(horizontalGrid(tideGraphScene(g, style(2, 180, 30, 50), false)), 4);
    // More lines than rows: none.
    EXPECT_EQ(horizontalGrid(tideGraphScene(g, style(1, 180, -20, 1), false)), 0);
    EXPECT_EQ(horizontalGrid(tideGraphScene(g, style(2, 180, -20, 1), false)), 201);

    for (auto [yh, yl] : {std::pair{100, 100}, {-20, 180}}) {
        const Scene s = tideGraphScene(g, style(2, yh, yl), true);
        ASSERT_EQ(s.elements.size(), 3u);  // plate, watermark, title
        EXPECT_TRUE(std::holds_alternative<SceneFill>(s.elements[0]));
        EXPECT_TRUE(std::holds_alternative<SceneTitle>(s.elements[2]));
    }
}

TEST(GraphGeometry, AnyStoredAxisGivesABoundedSceneInsideTheCoordinateRange) {
    const GraphDay g = dayOf(2024, 1, 11, true, 23, 59);
    std::vector<GraphStyle> styles = {
        style(3, INT_MAX, 0, 1),       style(1, INT_MAX, INT_MIN, 1), style(2, 0, INT_MIN, 1),
        style(3, INT_MAX, INT_MAX - 1, 1), style(2, INT_MIN + 1, INT_MIN, INT_MAX), style(3, 1, 0, INT_MAX),
        style(2, INT_MAX, INT_MIN, INT_MIN)};
    std::mt19937 rng(20240111);
    std::uniform_int_distribution<int32_t> any(INT_MIN, INT_MAX);
    std::uniform_int_distribution<int32_t> near(-400, 400);
    for (int i = 0; i < 3000; ++i) {
        auto pick = [&] { return i % 2 ? any(rng) : near(rng); };
        styles.push_back(style(1 + i % 3, pick(), pick(), i % 3 ? near(rng) / 8 : pick(), i % 5));
    }
    for (const GraphStyle& st : styles) {
        const Scene s = tideGraphScene(g, st, true);
        EXPECT_LE(s.elements.size(), 2u * (100 * 3 + 1) + 40) << st.top << " " << st.bottom << " " << st.tick;
        auto inRange = [](ScenePoint p) { return std::abs(p.x) <= 40000 && std::abs(p.y) <= 40000; };
        for (const SceneElement& e : s.elements) {
            std::vector<ScenePoint> points;
            if (const auto* l = std::get_if<SceneLine>(&e)) points = {l->from, l->to};
            if (const auto* c = std::get_if<ScenePolyline>(&e)) points = c->points;
            if (const auto* t = std::get_if<SceneText>(&e)) points = {t->at};
            if (const auto* n = std::get_if<SceneIcon>(&e)) points = {n->at};
            for (ScenePoint p : points) ASSERT_TRUE(inRange(p)) << p.x << "," << p.y;
        }
    }
}

TEST(GraphGeometry, At150PercentEveryLengthAndTheFontsScale) {
    GraphStyle st = style(2);
    st.dpi = 144;
    const Scene s = tideGraphScene(dayOf(2024, 1, 12, true, 5, 30), st, false);
    EXPECT_EQ(s.width, 289);   // 192 x 1.5 + 1
    EXPECT_EQ(s.height, 325);  // 24 + 200 x 1.5 + 1
    EXPECT_EQ(s.dpi, 144);
    // The moon 24 x 24, its left edge 27 pixels inside the right edge; the
    // present moment at 05:30 is column 66 (330 x 288 / 1440), its 11-pixel
    // mark one and a half pixels (2) to the left of it.
    EXPECT_EQ(s.all<SceneIcon>().back().at, (ScenePoint{261, 0}));
    EXPECT_EQ(s.all<SceneIcon>().back().size, 24);
    const SceneIcon now = s.all<SceneIcon>().at(s.all<SceneIcon>().size() - 2);
    EXPECT_EQ(now.resourceId, kNowMarkIcon);
    EXPECT_EQ(now.at.x, 64);
    EXPECT_EQ(now.size, 11);  // 10.5
    EXPECT_EQ(s.all<SceneTitle>().at(0).at, (ScenePoint{6, 3}));
}

TEST(MenuItems, MeasuresPlacementAndTheStripsButtons) {
    EXPECT_EQ(measureMenuItem(kCmdGraphItem, GraphFrame{1}), (ItemSize{96, 117}));
    EXPECT_EQ(measureMenuItem(kCmdGraphItem, GraphFrame{3}), (ItemSize{288, 317}));
    EXPECT_EQ(measureMenuItem(kCmdCalendarStrip, GraphFrame{2}), (ItemSize{100, 16}));
    EXPECT_FALSE(measureMenuItem(kCmdAbout, GraphFrame{2}));
    EXPECT_EQ(GraphFrame{2}.itemOrigin({0, 10, 240, 227}), (ScreenPoint{24, 10}));

    const Scene selected = calendarStripScene({0, 0, 100, 16}, StripFrame{}, true, rgb(1, 2, 3), rgb(4, 5, 6));
    EXPECT_EQ(selected.all<SceneFill>()[0].color, rgb(4, 5, 6));
    EXPECT_EQ(selected.all<SceneFill>()[1].color, rgb(1, 2, 3));  // buttons keep the menu colour

    // At 150%: an item 150 x 24 (16 x 1.5), five buttons 30 wide from row
    // 2 (1.5 rounded) to row 23, centred in a wider item the same way as the
    // hit test finds them.
    EXPECT_EQ(measureMenuItem(kCmdCalendarStrip, GraphFrame{2, 144}), (ItemSize{150, 24}));
    const Scene wide = calendarStripScene({0, 0, 170, 24}, StripFrame{144}, false, rgb(1, 2, 3), rgb(4, 5, 6));
    std::vector<SceneFill> buttons;
    for (const SceneFill& f : wide.all<SceneFill>())
        if (f.color == rgb(1, 2, 3) && f.right - f.left == 30) buttons.push_back(f);
    ASSERT_EQ(buttons.size(), 5u);
    for (int k = 0; k < 5; ++k) {
        const SceneFill& f = buttons[k];
        EXPECT_EQ((std::vector<int>{f.left, f.top, f.right, f.bottom}), (std::vector<int>{10 + 30 * k, 2, 40 + 30 * k, 24}));
    }
}

TEST(GraphWindow, PlacementAndTheTip) {
    EXPECT_EQ(GraphFrame{1}.windowClient(), (ItemSize{96, 116}));
    const ScreenPoint at = graphWindowOrigin({1000, 740}, {104, 140});
    EXPECT_EQ(at.x, 896);
    EXPECT_EQ(at.y, 600);

    const GraphDay g = dayOf(2024, 1, 11);
    // Column 100 at m = 2 is 12:30; the level as a full solution gives it.
    char expected[32];
    std::snprintf(expected, sizeof expected, "12:30 L%.0f", TideDay(PortAddress(), DateTime(2024, 1, 11, 12, 30)).levelNow);
    EXPECT_EQ(graphTipText(g.day, 100, GraphFrame{2}), expected);
    EXPECT_EQ(graphTipText(g.day, 40, GraphFrame{1}).substr(0, 6), "10:00 ");

    GraphTip tip;
    EXPECT_TRUE(tip.moved(g.day, GraphFrame{2}, 100, 50));
    EXPECT_FALSE(tip.moved(g.day, GraphFrame{2}, 100, 50));
    EXPECT_TRUE(tip.moved(g.day, GraphFrame{2}, 100, 51));
}

TEST(GraphWindow, KeyboardReadout) {
    EXPECT_EQ(readoutStartMinute(true, 23, 59), 1439);
    EXPECT_EQ(readoutStartMinute(false, 23, 59), 0);
    EXPECT_EQ(readoutMinuteAfterKey(0, false, false), 0);  // held at 0:00
    EXPECT_EQ(readoutMinuteAfterKey(0, true, false), 60);
    EXPECT_EQ(readoutMinuteAfterKey(60, true, true), 70);
    EXPECT_EQ(readoutMinuteAfterKey(1430, true, false), 1440);  // and at 24:00
    EXPECT_EQ(readoutMinuteAfterKey(1440, false, true), 1430);
    // 12:30 reads as the pointer's column 100 does at m = 2.
    const GraphDay g = dayOf(2024, 1, 11);
    char expected[32];
    std::snprintf(expected, sizeof expected, "12:30 L%.0f", TideDay(PortAddress(), DateTime(2024, 1, 11, 12, 30)).levelNow);
    EXPECT_EQ(graphReadoutText(g.day, 750), cp932ToUtf16(expected));
}

// Three days from 2024-01-11 at m = 2: 192 columns a day, one 7.5 minutes.
TEST(GraphWindow, TheReadoutCrossesTheDaysShown) {
    EXPECT_EQ(readoutMinuteAfterKey(1430, true, false, 3), 1490);  // over the midnight
    EXPECT_EQ(readoutMinuteAfterKey(1440, false, true, 3), 1430);  // and back
    EXPECT_EQ(readoutMinuteAfterKey(4300, true, false, 3), 4320);  // held at the last 24:00
    EXPECT_EQ(readoutMinuteAfterKey(10, false, false, 3), 0);
    EXPECT_EQ(shownMinuteOf(1440, 3), (ShownMinute{1, 0}));  // a midnight is the later day's 0:00
    EXPECT_EQ(shownMinuteOf(4320, 3), (ShownMinute{2, 1440}));
    EXPECT_EQ(shownMinuteOf(9999, 2), (ShownMinute{1, 1440}));
    EXPECT_EQ(shownMinuteOf(-5, 2), (ShownMinute{0, 0}));

    const GraphSpanFrame frame{GraphFrame{2}, 3};
    EXPECT_EQ(minuteAtColumn(192 + 100, frame), 1440 + 750);
    EXPECT_EQ(minuteAtColumn(5000, frame), 2 * 1440 + 1432);  // the last column, 191 x 7.5 minutes
    EXPECT_EQ(minuteAtColumn(-3, frame), 0);
    EXPECT_EQ(columnOfMinute(1440 + 750, frame), 292);
    EXPECT_EQ(columnOfMinute(4320, frame), 576);

    ControllerSettings cs;
    const DateTime now(2024, 1, 11, 12, 0);
    const std::vector<GraphDay> days{graphDayOf(cs, now, 0), graphDayOf(cs, now, 1), graphDayOf(cs, now, 2)};
    char expected[48];
    std::snprintf(expected, sizeof expected, "1/12 06:00 L%.0f",
                  TideDay(PortAddress(), DateTime(2024, 1, 12, 6, 0)).levelNow);
    // Thirty hours on from the first 0:00 by the keyboard...
    int minute = 0;
    for (int k = 0; k < 30; ++k) minute = readoutMinuteAfterKey(minute, true, false, 3);
    EXPECT_EQ(shownReadoutText(days, minute), cp932ToUtf16(expected));
    // ...and the pointer over that column agree.
    GraphTip tip;
    EXPECT_EQ(tip.moved(days, frame, 192 + 48, 50), cp932ToUtf16(expected));
    // One day is written as the one-day readout.
    EXPECT_EQ(shownReadoutText({days[0]}, 750), graphReadoutText(days[0].day, 750));
}

}  // namespace
}  // namespace marilo
