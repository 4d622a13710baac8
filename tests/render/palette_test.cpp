// The theme's palette: contrast as the accessibility guidelines reckon it,
// the dark month picture with readable user colours, and high contrast
// drawing the graph and the month in the system's colours alone.
#include "base/theme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>

#include "render/graph_geometry.h"
#include "render/menu_item_geometry.h"
#include "render/month_geometry.h"

namespace marilo {
namespace {

// Every colour a scene draws with, and whether it holds a picture (icon).
std::set<uint32_t> colorsOf(const Scene& s, bool& icons) {
    std::set<uint32_t> out;
    icons = false;
    for (const SceneElement& e : s.elements) {
        if (const auto* f = std::get_if<SceneFill>(&e)) out.insert(f->color);
        if (const auto* l = std::get_if<SceneLine>(&e)) out.insert(l->color);
        if (const auto* p = std::get_if<ScenePolyline>(&e)) out.insert(p->color);
        if (const auto* t = std::get_if<SceneText>(&e)) out.insert(t->color);
        if (const auto* t = std::get_if<SceneTitle>(&e))
            for (const auto& piece : t->pieces) out.insert(piece.second);
        icons |= std::holds_alternative<SceneIcon>(e);
    }
    return out;
}

TEST(Palette, ContrastAsTheGuidelinesReckonIt) {
    EXPECT_NEAR(contrastRatio(0xFFFFFF, 0x000000), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(0x777777, 0x777777), 1.0, 1e-9);
    // Pure red (luminance 0.2126) on white: 1.05 / 0.2626.
    EXPECT_NEAR(contrastRatio(0x0000FF, 0xFFFFFF), 1.05 / 0.2626, 1e-3);
    // Pure red on the dark paper falls short of 4.5 and is lightened; a colour
    // that already stands out is kept.
    const uint32_t paper = paletteOf({true, false, {}}).monthPaper;
    EXPECT_LT(contrastRatio(0x0000FF, paper), 4.5);
    EXPECT_NE(readableOn(0x0000FF, paper), 0x0000FFu);
    EXPECT_GE(contrastRatio(readableOn(0x0000FF, paper), paper), 4.5);
    EXPECT_EQ(readableOn(0x00FFFF, paper), 0x00FFFFu);
    // On a light background a colour is darkened instead.
    EXPECT_GE(contrastRatio(readableOn(0x00FFFF, 0xFFFFFF), 0xFFFFFF), 4.5);
}

TEST(Palette, TheDarkMonthIsDarkWithEveryTextReadableAndTheStoredColoursKept) {
    MonthPicture p = monthPictureOf(tideMonth(PortAddress(), 2024, 3), DefaultRules(), DateTime(2024, 3, 15, 12, 0));
    // Every colour a rule can take, on days and on weekdays.
    for (int k = 0; k < 31; ++k) p.dateColors[k] = RuleColors[k % kRuleColorCount];
    for (int w = 0; w < 7; ++w) p.weekdayColors[w] = RuleColors[w];
    const MonthPicture stored = p;
    p.theme.darkApps = true;
    const Scene s = monthScene(p, 96);
    const SceneFill paper = s.all<SceneFill>().at(0);
    EXPECT_LT(luminance(paper.color), 0.05);
    for (const SceneText& t : s.all<SceneText>())
        EXPECT_GE(contrastRatio(t.color, paper.color), 4.5) << std::hex << t.color;
    EXPECT_TRUE(std::equal(std::begin(p.dateColors), std::end(p.dateColors), std::begin(stored.dateColors)));
    // Light: as the program always drew it.
    p.theme.darkApps = false;
    EXPECT_EQ(monthScene(p, 96).all<SceneFill>().at(0).color, 0xFFFFFFu);
    EXPECT_EQ(monthScene(p, 96).all<SceneText>().at(1).color, RuleColors[0]);  // 日 as the rule says
}

TEST(Palette, HighContrastDrawsTheGraphAndTheMonthInTheSystemColoursOnly) {
    // A black high-contrast theme; high contrast overrides the dark theme.
    const SystemColors hc{0x000000, 0xFFFFFF, 0xFFFF00, 0x000000, 0x00FF3F};
    const std::set<uint32_t> allowed{hc.window, hc.windowText, hc.highlight, hc.grayText};
    for (bool dark : {false, true}) {
        const Theme theme{dark, true, hc};
        ControllerSettings cs;
        cs.rules = DefaultRules();
        GraphDay day = graphDayOf(cs, DateTime(2024, 3, 3, 8, 10), 0);  // a Sunday: its rule colour
        day.showsNow = true;
        for (int m = 1; m <= 3; ++m) {
            GraphStyle style{m, 180, -20, 50, 4};
            style.theme = theme;
            bool icons = true;
            const std::set<uint32_t> used = colorsOf(tideGraphScene(day, style, true), icons);
            EXPECT_TRUE(std::includes(allowed.begin(), allowed.end(), used.begin(), used.end())) << m;
            EXPECT_FALSE(icons) << m;
        }
        MonthPicture p = monthPictureOf(tideMonth(PortAddress(), 2024, 3), DefaultRules(), DateTime(2024, 3, 15, 12, 0));
        p.theme = theme;
        bool icons = true;
        const std::set<uint32_t> used = colorsOf(monthScene(p, 144), icons);
        EXPECT_TRUE(std::includes(allowed.begin(), allowed.end(), used.begin(), used.end()));
        EXPECT_FALSE(icons);
        EXPECT_EQ(used.count(hc.highlight), 1u);  // today's frame
    }
    // The menu's strip: the menu and highlight colours the system gives, its
    // edges and glyphs in the window text's.
    bool icons = true;
    const std::set<uint32_t> strip = colorsOf(
        calendarStripScene({0, 0, 100, 16}, StripFrame{}, false, hc.window, hc.highlight, paletteOf({false, true, hc})),
        icons);
    EXPECT_EQ(strip, (std::set<uint32_t>{hc.window, hc.windowText}));
}

}  // namespace
}  // namespace marilo
