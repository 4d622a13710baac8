// The graph over several days: its night, twilight, midnights and moon marks
// against the times `marilo-cli --date 2024-03-10 --days 3 --sun` prints for
// 田子の浦, in the columns of 96-dpi m = 2 (192 columns a day, one column
// 7.5 minutes), worked out by hand.
#include "render/graph_span.h"

#include <gtest/gtest.h>

#include "render/graph_geometry.h"
#include "render/graph_labels.h"

#include <algorithm>

namespace marilo {
namespace {

//            dawn   sunrise sunset  dusk    moonrise moonset
// 03-10      05:38  06:03   17:49   18:14   06:01    17:40
// 03-11      05:36  06:01   17:49   18:15   06:32    18:54
// 03-12      05:35  06:00   17:50   18:16   07:02    20:07
const DateTime kFirst(2024, 3, 10);
const GraphSpanFrame kThreeDays{{2, 96}, 3};

TEST(GraphSky, NightAndTwilightFollowTheSunTimes) {
    const GraphSky sky = graphSkyOf(kThreeDays, PortAddress(), kFirst);
    const std::vector<SkyBand> bands{
        {0, 45, false},    {45, 48, true},    {142, 145, true}, {145, 236, false}, {236, 240, true},
        {334, 338, true},  {338, 428, false}, {428, 432, true}, {526, 530, true},  {530, 576, false},
    };
    EXPECT_EQ(sky.bands, bands);
    EXPECT_EQ(sky.midnights, (std::vector<int>{192, 384}));
    const std::vector<SkyMark> moon{{48, true, 361},  {141, false, 1060}, {244, true, 392},
                                    {343, false, 1134}, {440, true, 422}, {544, false, 1207}};
    EXPECT_EQ(sky.moon, moon);
    ASSERT_EQ(sky.days.size(), 3u);
    EXPECT_EQ(sky.days[2].left, 384);
    EXPECT_EQ(sky.days[2].right, 576);
    EXPECT_EQ(sky.days[2].date.day, 12);
    EXPECT_EQ(sky.days[0].date.weekday, 0);  // a Sunday
}

TEST(GraphSky, ADayWithoutSunEventsShadesNothing) {
    SunMoonTimes none;
    SunMoonTimes setOnly;
    setOnly.moonset = 720;
    const GraphSky sky = graphSkyOf({{1, 96}, 2}, kFirst, {none, setOnly});
    EXPECT_TRUE(sky.bands.empty());
    EXPECT_EQ(sky.moon, (std::vector<SkyMark>{{96 + 48, false, 720}}));
    EXPECT_EQ(sky.midnights, std::vector<int>{96});
}

GraphDay dayOf(int offset) {
    ControllerSettings cs;
    return graphDayOf(cs, DateTime(2024, 3, 10, 12, 0), offset);
}

TEST(GraphSpanScene, OneDayIsTheOneDayGraph) {
    const GraphStyle style{2, 180, -20, 50, 4};
    const Scene one = tideGraphScene(dayOf(0), style, false);
    const Scene span = tideSpanScene({dayOf(0)}, graphSkyOf({style.frame(), 1}, PortAddress(), kFirst), style);
    EXPECT_EQ(span.width, one.width);
    EXPECT_EQ(span.height, one.height);
    EXPECT_EQ(span.elements.size(), one.elements.size());
    EXPECT_EQ(span.all<SceneText>().size(), one.all<SceneText>().size());
    EXPECT_TRUE(span.all<SceneFill>().size() == 1 && span.all<SceneFill>()[0].color == kGraphPlate);
}

TEST(GraphSpanScene, ThreeDaysShadeTheNightsAndNotTheNoons) {
    const GraphStyle style{2, 180, -20, 50, 4};
    const Scene s = tideSpanScene({dayOf(0), dayOf(1), dayOf(2)}, graphSkyOf(kThreeDays, PortAddress(), kFirst), style);
    EXPECT_EQ(s.width, 3 * 192 + 1);
    EXPECT_EQ(s.height, 16 + 200 + 14 + 1);  // the band of the dates under the plot
    const auto shadeAt = [&](int x) {
        uint32_t c = 0xffffffff;
        for (const SceneFill& f : s.all<SceneFill>())
            if (x >= f.left && x < f.right && 100 >= f.top && 100 < f.bottom) c = f.color;
        return c;
    };
    for (int x : {0, 20, 200, 350, 400, 570}) EXPECT_EQ(shadeAt(x), kGraphNight) << x;
    for (int x : {46, 143, 237, 335, 429, 527}) EXPECT_EQ(shadeAt(x), kGraphTwilight) << x;
    for (int x : {96, 288, 480, 60, 130}) EXPECT_EQ(shadeAt(x), kGraphPlate) << x;

    // One curve: each day's chain ends where the next one starts.
    const std::vector<ScenePolyline> curves = s.all<ScenePolyline>();
    ASSERT_EQ(curves.size(), 3u);
    for (int k = 0; k < 2; ++k) EXPECT_EQ(curves[k].points.back().x, curves[k + 1].points.front().x);

    std::vector<int> midnightColumns;
    int moonTicks = 0;
    for (const SceneLine& l : s.all<SceneLine>()) {
        if (l.color == kGraphMidnight && l.from.y == 17) midnightColumns.push_back(l.from.x);
        moonTicks += l.color == kGraphMoonMark;
    }
    std::vector<std::u16string> dates;
    for (const SceneText& t : s.all<SceneText>())
        if (t.at.y == 217) dates.push_back(t.text);
    EXPECT_EQ(midnightColumns, (std::vector<int>{192, 384}));
    EXPECT_EQ(moonTicks, 6);
    EXPECT_EQ(dates, (std::vector<std::u16string>{u"3/10(日)", u"3/11(月)", u"3/12(火)"}));
}

}  // namespace
}  // namespace marilo

namespace marilo {
namespace {

std::vector<GraphDay> threeDaysFrom(const ControllerSettings& cs, const DateTime& now) {
    return {graphDayOf(cs, now, 0), graphDayOf(cs, now, 1), graphDayOf(cs, now, 2)};
}

Scene threeDayScene(const GraphStyle& style, const DateTime& now) {
    ControllerSettings cs;
    const GraphSpanFrame frame = graphSpanFrameOf(style, 3);
    return tideSpanScene(threeDaysFrom(cs, now), graphSkyOf(frame, cs.port, DateTime(now.year, now.month, now.day)),
                         style);
}

std::vector<uint32_t> colorsOf(const Scene& s) {
    std::vector<uint32_t> out;
    for (const SceneElement& e : s.elements)
        std::visit(
            [&](const auto& v) {
                if constexpr (requires { v.color; }) out.push_back(v.color);
                else if constexpr (requires { v.pieces; })
                    for (const auto& piece : v.pieces) out.push_back(piece.second);
            },
            e);
    return out;
}

TEST(GraphSpanScene, DrawnInTheThemesColours) {
    GraphStyle style{2, 180, -20, 50, 4};
    style.theme.highContrast = true;
    style.theme.system = {0x101010, 0xF0F0F0, 0x00C0FF, 0x202020, 0x808040};
    const Scene hc = threeDayScene(style, DateTime(2024, 3, 10, 12, 0));
    const std::vector<uint32_t> system{0x101010, 0xF0F0F0, 0x00C0FF, 0x202020, 0x808040};
    for (uint32_t c : colorsOf(hc))
        EXPECT_NE(std::find(system.begin(), system.end(), c), system.end()) << std::hex << c;
    EXPECT_TRUE(hc.all<SceneIcon>().empty());
    // Nothing shades the plot: its only fills are the plate and the marks'
    // squares; the night's and the twilight's edges are the grey-text lines,
    // each once, none on the picture's ends.
    const std::vector<SceneFill> fills = hc.all<SceneFill>();
    EXPECT_EQ(fills[0].color, 0x101010u);
    for (size_t i = 1; i < fills.size(); ++i) EXPECT_LT(fills[i].right - fills[i].left, 10);
    std::vector<int> edges;
    for (const SceneLine& l : hc.all<SceneLine>())
        if (l.color == 0x808040u && l.from.x == l.to.x && l.from.y == 17) edges.push_back(l.from.x);
    EXPECT_EQ(edges, (std::vector<int>{45, 48, 142, 145, 236, 240, 334, 338, 428, 432, 526, 530}));

    style.theme = Theme{true, false, {}};
    const Scene dark = threeDayScene(style, DateTime(2024, 3, 10, 12, 0));
    EXPECT_EQ(dark.all<SceneFill>()[0].color, 0x000000u);  // the graph stays on black in the dark theme
    EXPECT_EQ(dark.all<SceneFill>()[1].color, kGraphNight);
}

// Every text of a three-day scene, as boxes: the labels and the titles.
std::vector<LabelBox> textBoxes(const Scene& s, std::vector<std::u16string>* texts) {
    std::vector<LabelBox> out;
    for (const SceneElement& e : s.elements) {
        if (const auto* t = std::get_if<SceneText>(&e)) {
            out.push_back(labelBox(*t, s.dpi));
            texts->push_back(t->text);
        } else if (const auto* title = std::get_if<SceneTitle>(&e)) {
            std::u16string all;
            for (const auto& piece : title->pieces) all += piece.first;
            out.push_back(labelBox({title->at, all, 0, title->font, HAlign::Left, VAlign::Top}, s.dpi));
            texts->push_back(all);
        }
    }
    return out;
}

// 2024-01-11 at the default port, now 12:00: the dates, the moon's texts,
// the scale, the extremes and the Now label in the graph window's sizes.
// From m = 2 up every tick keeps its word, lower down where the high
// waters' labels stand at the top (the moonrises, near 6:00 and 7:00).
TEST(GraphSpanScene, NoTwoTextsOverlapAtEitherScaleOrDpi) {
    for (int m : {1, 2, 3})
        for (int dpi : {96, 144}) {
            GraphStyle style{m, 180, -20, 50, 4};
            style.dpi = dpi;
            const Scene s = threeDayScene(style, DateTime(2024, 1, 11, 12, 0));
            std::vector<std::u16string> texts;
            const std::vector<LabelBox> boxes = textBoxes(s, &texts);
            for (size_t i = 0; i < boxes.size(); ++i) {
                EXPECT_TRUE(boxes[i].left >= 0 && boxes[i].right <= s.width && boxes[i].top >= 0 &&
                            boxes[i].bottom <= s.height)
                    << "m " << m << " dpi " << dpi << " text " << i;
                for (size_t j = i + 1; j < boxes.size(); ++j)
                    EXPECT_FALSE(boxes[i].overlaps(boxes[j])) << "m " << m << " dpi " << dpi << " texts " << i << ", " << j;
            }
            const GraphSpanFrame frame = graphSpanFrameOf(style, 3);
            int dates = 0;
            for (const SceneText& t : s.all<SceneText>()) {
                const LabelBox b = labelBox(t, dpi);
                if (b.top >= frame.dateTop()) {
                    ++dates;
                    EXPECT_LE(b.bottom, s.height - 1) << "above the band's bottom edge";
                }
            }
            EXPECT_EQ(dates, 3);
            EXPECT_NE(std::find(texts.begin(), texts.end(), u"1/12(金)"), texts.end());
            int ticks = 0;
            for (const SceneLine& l : s.all<SceneLine>()) ticks += l.color == kGraphMoonMark;
            const auto words = std::count(texts.begin(), texts.end(), u"月出") + std::count(texts.begin(), texts.end(), u"月入");
            EXPECT_EQ(ticks, 6) << "m " << m << " dpi " << dpi;
            if (m >= 2) {
                EXPECT_EQ(words, ticks) << "m " << m << " dpi " << dpi;
            }
        }
}

}  // namespace
}  // namespace marilo
