#include "render/graph_span.h"

#include <cstdio>

#include "platform/cp932.h"
#include "render/graph_geometry.h"
#include "render/graph_labels.h"

namespace marilo {

namespace {

// What the moon's texts must keep clear of in a day's scene: its texts and
// its marks (icons, or the squares drawn for them in the system's colours).
void addTaken(std::vector<LabelBox>& taken, const SceneElement& e, int dpi) {
    if (const auto* t = std::get_if<SceneText>(&e)) taken.push_back(labelBox(*t, dpi));
    else if (const auto* i = std::get_if<SceneIcon>(&e))
        taken.push_back({i->at.x, i->at.y, i->at.x + i->size, i->at.y + i->size});
    else if (const auto* f = std::get_if<SceneFill>(&e))
        taken.push_back({f->left, f->top, f->right, f->bottom});
}

}  // namespace

GraphSpanFrame graphSpanFrameOf(const GraphStyle& style, int days) {
    return {style.frame(), GraphSpanFrame::heldDays(days)};
}

Scene tideSpanScene(const std::vector<GraphDay>& days, const GraphSky& sky, const GraphStyle& style) {
    if (days.size() <= 1) return tideGraphScene(days.empty() ? GraphDay{} : days[0], style, false);
    const GraphSpanFrame f = graphSpanFrameOf(style, static_cast<int>(days.size()));
    const GraphFrame& d = f.day;
    const Palette p = paletteOf(style.theme);
    const int top = d.plotTop(), bottom = d.plotBottom(), right = f.plotWidth();

    Scene scene{f.picture().width, f.picture().height, {}, d.dpi};
    auto& out = scene.elements;
    out.push_back(SceneFill{0, 0, f.plate().width, f.plate().height, p.graphPlate});
    // The night and the twilight under the grid; in the system's colours,
    // where nothing is filled, a line at each edge inside the picture.
    int lastEdge = 0;
    for (const SkyBand& b : sky.bands) {
        const uint32_t color = b.twilight ? p.graphTwilight : p.graphNight;
        if (!p.systemColors) {
            out.push_back(SceneFill{b.left, top + 1, b.right, bottom, color});
            continue;
        }
        for (int x : {b.left, b.right})
            if (x != lastEdge && x < right) out.push_back(SceneLine{{x, top + 1}, {x, bottom}, color});
        lastEdge = b.right;
    }
    std::vector<LabelBox> taken;
    for (int k = 0; k < f.days; ++k) {
        const Scene one = tideGraphScene(days[static_cast<std::size_t>(k)], style, false, f.dayLeft(k), 0);
        // Each day's own plate would cover the night of the day before.
        out.insert(out.end(), one.elements.begin() + 1, one.elements.end());
        for (auto e = one.elements.begin() + 1; e != one.elements.end(); ++e) addTaken(taken, *e, d.dpi);
    }

    for (int x : sky.midnights) {  // through the plot and the band of the dates
        out.push_back(SceneLine{{x, top + 1}, {x, bottom}, p.graphMidnight});
        out.push_back(SceneLine{{x, f.dateTop()}, {x, f.dateBottom()}, p.graphMidnight});
    }

    // The moon's ticks at the plot's top, their texts right of the tick,
    // else left of it, never beyond the picture's edges. Where the top row
    // is taken (a high water's label stands there), the text goes up to
    // three rows lower, the tick reaching down to it; where no row is free the
    // tick stands alone.
    const SceneFont font = kGraphGothic8;
    taken.push_back({-0x4000, top, 1, bottom});  // the frame's left edge and beyond
    taken.push_back({right, top, right + 0x4000, bottom});
    for (const SkyMark& m : sky.moon) {
        int tickEnd = top + 1 + d.px(8);
        for (int row = 0; row < 4; ++row) {
            SceneText first{{m.column + d.px(2), top + 1}, m.rise ? u"月出" : u"月入", p.graphMoonMark, font,
                            HAlign::Left, VAlign::Top};
            const LabelBox box = labelBox(first, d.dpi);
            first.at.y += row * (box.bottom - box.top);
            SceneText other = first;
            other.at.x = m.column - d.px(1);
            other.h = HAlign::Right;
            const std::vector<SceneText> placed =
                placeGraphLabels({{first, other, LabelRank::Extreme}}, taken, top + 1, bottom, d.dpi);
            if (placed.empty()) continue;
            const LabelBox at = labelBox(placed[0], d.dpi);
            taken.push_back(at);
            if (row > 0) tickEnd = (at.top + at.bottom) / 2;
            out.push_back(placed[0]);
            break;
        }
        out.push_back(SceneLine{{m.column, top + 1}, {m.column, tickEnd}, p.graphMoonMark});
    }

    // The band of the dates, framed as the plot is.
    for (const SkyDay& day : sky.days) {
        char text[32];
        std::snprintf(text, sizeof text, "%d/%d(%s)", day.date.month, day.date.day, day.date.weekdayName);
        out.push_back(SceneText{{(day.left + day.right) / 2, f.dateTop()}, cp932ToUtf16(text), p.graphNumbers, font,
                                HAlign::Center, VAlign::Top});
    }
    out.push_back(SceneLine{{0, bottom}, {0, f.dateBottom()}, p.graphAxis});
    out.push_back(SceneLine{{right, bottom}, {right, f.dateBottom()}, p.graphAxis});
    out.push_back(SceneLine{{0, f.dateBottom()}, {right + 1, f.dateBottom()}, p.graphAxis});
    return scene;
}

}  // namespace marilo
