// The graph's labels placed clear of each other and of the marks, against
// boxes worked out by hand: the label cell is 0.55 em per figure, 0.8 em
// per other letter, 0.9 em up and 0.25 em down (em = points x dpi / 72,
// each rounded up); the plot row of a level L is 16m' + (180 - L) x 100m' / 200
// with m' the magnification scaled to the dpi.
#include "render/graph_labels.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "render/graph_geometry.h"

namespace marilo {
namespace {

GraphDay tagonouraDay(int y, int mo, int d, int hour, int minute) {
    ControllerSettings cs;
    cs.rules = DefaultRules();
    GraphDay g = graphDayOf(cs, DateTime(y, mo, d, hour, minute), 0);
    g.showsNow = true;
    return g;
}

struct Placed {
    std::u16string text;
    ScenePoint at;
    HAlign h;
    VAlign v;
    bool operator==(const Placed&) const = default;
};

std::vector<Placed> placed(const Scene& s, uint32_t color) {
    std::vector<Placed> out;
    for (const SceneText& t : s.all<SceneText>())
        if (t.color == color) out.push_back({t.text, t.at, t.h, t.v});
    return out;
}

std::ostream& operator<<(std::ostream& o, const Placed& p) {
    return o << std::string(p.text.begin(), p.text.end()) << " at " << p.at.x << "," << p.at.y << " h" << static_cast<int>(p.h) << " v"
             << static_cast<int>(p.v);
}

TEST(GraphLabels, TheCellOfALabelAtEachAlignment) {
    // Gothic 8 at 96 dpi: em 10.67, figures 6, letters 9, ascent 10, descent 3.
    const SceneText t{{100, 50}, u"Now L5", 0, kGraphGothic8, HAlign::Center, VAlign::Baseline};
    EXPECT_EQ(labelBox(t, 96), (LabelBox{78, 40, 123, 50}));
    SceneText top = t;
    top.h = HAlign::Left, top.v = VAlign::Top;
    EXPECT_EQ(labelBox(top, 96), (LabelBox{100, 50, 145, 63}));
    SceneText bottom = t;
    bottom.h = HAlign::Right, bottom.v = VAlign::Bottom;
    EXPECT_EQ(labelBox(bottom, 96), (LabelBox{55, 37, 100, 50}));
    // At 144 dpi: em 16, figures 9, letters 13, ascent 15, descent 4.
    EXPECT_EQ(labelBox(bottom, 144), (LabelBox{100 - 39 - 27, 31, 100, 50}));
    // Small Fonts 6 at 96 dpi: em 8, figures 5, ascent 8, descent 2.
    EXPECT_EQ(labelBox({{0, 0}, u"150", 0, kGraphSmallFont, HAlign::Left, VAlign::Top}, 96), (LabelBox{0, 0, 15, 10}));
}

// 2026-12-08 at 23:15, m = 2, 96 dpi. High waters 5:39 (148.8 cm) and 16:01
// (148.1), low waters 10:51 (95.1) and 23:08 (5.2); now 5.3 cm.
// Columns t x 192 / 1440: 45, 86, 128, 185, now 186; rows 196 - L: 47, 100, 47,
// 190, now 190 - 2. The Now label above its mark would cover the 23:08
// ring (183..190 x 187..194): it goes under the mark (188 + 7). 16:01 runs
// into 5:39 (45..99 x 34..47): it goes under its ring (44 + 7). 23:08 under
// its ring would meet the Now label: it goes above (187). "150" meets 5:39
// on either side of the noon line and is left out; so are the hours 18 and
// 21, which meet the Now label under the zero line and 23:08 above it.
TEST(GraphLabels, December8thAt96DpiInTheMenusSize) {
    const Scene s = tideGraphScene(tagonouraDay(2026, 12, 8, 23, 15), GraphStyle{2, 180, -20, 50, 4}, false);
    EXPECT_EQ(placed(s, kGraphNowLabel), (std::vector<Placed>{{u"Now L5", {186, 195}, HAlign::Right, VAlign::Top}}));
    EXPECT_EQ(placed(s, kGraphMarkLabel), (std::vector<Placed>{
                                              {u"5:39 L148", {45, 47}, HAlign::Left, VAlign::Bottom},
                                              {u"10:51 L95", {86, 100}, HAlign::Center, VAlign::Top},
                                              {u"16:01 L148", {128, 51}, HAlign::Center, VAlign::Top},
                                              {u"23:08 L5", {185, 187}, HAlign::Right, VAlign::Bottom},
                                          }));
    EXPECT_EQ(placed(s, kGraphNumbers), (std::vector<Placed>{
                                            {u"0", {96, 196}, HAlign::Left, VAlign::Bottom},
                                            {u"50", {96, 146}, HAlign::Left, VAlign::Bottom},
                                            {u"100", {96, 96}, HAlign::Left, VAlign::Bottom},
                                            {u"3", {24, 196}, HAlign::Center, VAlign::Top},
                                            {u"6", {48, 196}, HAlign::Center, VAlign::Top},
                                            {u"9", {72, 196}, HAlign::Center, VAlign::Top},
                                            {u"12", {96, 196}, HAlign::Center, VAlign::Top},
                                            {u"15", {120, 196}, HAlign::Center, VAlign::Top},
                                        }));
}

// 2024-03-01 at 8:10, m = 2, 144 dpi: the plot 288 x 300 under a band of 24,
// rows 294 - 1.5 L, columns t x 288 / 1440; the ring 11 wide from 3 left and
// 5 above its point, the Now mark 11 wide from 2 left and 3 above the curve.
// 8:07 (135.9 cm) is at 97, 90, its ring 94..105 x 85..96; now (135.9) at 98,
// 87, its mark 96..107 x 87..98. "Now L135" above its mark would cover the
// ring: it goes under the mark (98). "8:07 L135" then meets the Now mark
// above its ring and the Now label under it, and is left out.
TEST(GraphLabels, March1stAt144DpiNowBeforeTheHighWater) {
    const Scene s = tideGraphScene(tagonouraDay(2024, 3, 1, 8, 10), GraphStyle{2, 180, -20, 50, 4, 144}, false);
    EXPECT_EQ(placed(s, kGraphNowLabel), (std::vector<Placed>{{u"Now L135", {98, 98}, HAlign::Center, VAlign::Top}}));
    EXPECT_EQ(placed(s, kGraphMarkLabel), (std::vector<Placed>{
                                              {u"2:06 L50", {25, 218}, HAlign::Left, VAlign::Top},
                                              {u"14:44 L29", {176, 249}, HAlign::Center, VAlign::Top},
                                              {u"21:03 L117", {252, 118}, HAlign::Right, VAlign::Bottom},
                                          }));
    // Every level and hour number keeps its first place.
    const std::vector<Placed> numbers = placed(s, kGraphNumbers);
    ASSERT_EQ(numbers.size(), 4u + 7u);
    EXPECT_EQ(numbers[3], (Placed{u"150", {144, 69}, HAlign::Left, VAlign::Bottom}));
    EXPECT_EQ(numbers[10], (Placed{u"21", {252, 294}, HAlign::Center, VAlign::Top}));
}

// No two drawn labels overlap, and none covers the Now mark, through both
// days at every half hour, at m = 1, 2 and 3 and at 96 and 144 dpi; the
// labels stay in the plot's rows and clear of its left and right borders.
TEST(GraphLabels, NothingOverlapsThroughTheDayAtEverySizeAndDpi) {
    for (auto [y, mo, d] : {std::tuple{2026, 12, 8}, {2024, 3, 1}})
        for (int m = 1; m <= 3; ++m)
            for (int dpi : {96, 144})
                for (int t = 0; t < 1440; t += 30) {
                    const Scene s = tideGraphScene(tagonouraDay(y, mo, d, t / 60, t % 60),
                                                   GraphStyle{m, 180, -20, 50, 4, dpi}, false);
                    const GraphFrame f{m, dpi};
                    std::vector<LabelBox> boxes;
                    std::vector<bool> isNow;
                    for (const SceneText& text : s.all<SceneText>()) {
                        isNow.push_back(text.color == kGraphNowLabel);
                        boxes.push_back(labelBox(text, dpi));
                    }
                    ASSERT_EQ(std::count(isNow.begin(), isNow.end(), true), 1);
                    LabelBox nowMark;
                    for (const SceneIcon& i : s.all<SceneIcon>())
                        if (i.resourceId == kNowMarkIcon || i.resourceId == kNowMarkSmallIcon)
                            nowMark = {i.at.x, i.at.y, i.at.x + i.size, i.at.y + i.size};
                    for (size_t a = 0; a < boxes.size(); ++a) {
                        EXPECT_GE(boxes[a].top, f.plotTop());
                        EXPECT_LE(boxes[a].bottom, f.plotBottom() + 1);
                        EXPECT_TRUE(boxes[a].left >= 1 && boxes[a].right <= f.plotWidth() - 1)
                            << y << "-" << mo << "-" << d << " m" << m << " " << dpi << " t" << t << " label " << a;
                        EXPECT_FALSE(boxes[a].overlaps(nowMark) && !isNow[a])
                            << y << "-" << mo << "-" << d << " m" << m << " " << dpi << " t" << t << " label " << a;
                        for (size_t b = a + 1; b < boxes.size(); ++b)
                            EXPECT_FALSE(boxes[a].overlaps(boxes[b]))
                                << y << "-" << mo << "-" << d << " m" << m << " " << dpi << " t" << t;
                    }
                }
}

}  // namespace
}  // namespace marilo
