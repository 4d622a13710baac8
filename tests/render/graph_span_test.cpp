// The graph over several days: its night, twilight, midnights and moon marks
// against the times `marilo-cli --date 2024-03-10 --days 3 --sun` prints for
// 田子の浦, in the columns of 96-dpi m = 2 (192 columns a day, one column
// 7.5 minutes), worked out by hand.
#include "render/graph_span.h"

#include <gtest/gtest.h>

#include "render/graph_geometry.h"

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
    EXPECT_EQ(s.height, 16 + 200 + 1);
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

    int midnightLines = 0, moonTexts = 0;
    for (const SceneLine& l : s.all<SceneLine>()) midnightLines += l.color == kGraphMidnight;
    std::vector<std::u16string> dates;
    for (const SceneText& t : s.all<SceneText>()) {
        moonTexts += t.color == kGraphMoonMark;
        if (t.v == VAlign::Bottom && t.at.y == 215) dates.push_back(t.text);
    }
    EXPECT_EQ(midnightLines, 2);
    EXPECT_EQ(moonTexts, 6);
    EXPECT_EQ(dates, (std::vector<std::u16string>{u"3/10(日)", u"3/11(月)", u"3/12(火)"}));
}

}  // namespace
}  // namespace marilo
