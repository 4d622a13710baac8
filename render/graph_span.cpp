#include "render/graph_span.h"

#include <cstdio>

#include "platform/cp932.h"
#include "render/graph_geometry.h"

namespace marilo {

GraphSpanFrame graphSpanFrameOf(const GraphStyle& style, int days) {
    return {style.frame(), GraphSpanFrame::heldDays(days)};
}

Scene tideSpanScene(const std::vector<GraphDay>& days, const GraphSky& sky, const GraphStyle& style) {
    if (days.size() <= 1) return tideGraphScene(days.empty() ? GraphDay{} : days[0], style, false);
    const GraphSpanFrame f = graphSpanFrameOf(style, static_cast<int>(days.size()));
    const GraphFrame& d = f.day;
    const int top = d.plotTop(), bottom = d.plotBottom();

    Scene scene{f.picture().width, f.picture().height, {}, d.dpi};
    auto& out = scene.elements;
    out.push_back(SceneFill{0, 0, f.plotWidth() + 2, d.plate().height, kGraphPlate});
    for (const SkyBand& b : sky.bands)
        out.push_back(SceneFill{b.left, top + 1, b.right, bottom, b.twilight ? kGraphTwilight : kGraphNight});
    for (int k = 0; k < f.days; ++k) {
        const Scene one = tideGraphScene(days[static_cast<std::size_t>(k)], style, false, f.dayLeft(k), 0);
        // Each day's own plate would cover the night of the day before.
        out.insert(out.end(), one.elements.begin() + 1, one.elements.end());
    }

    for (int x : sky.midnights) out.push_back(SceneLine{{x, top + 1}, {x, bottom}, kGraphMidnight});
    const SceneFont font = kGraphGothic8;
    for (const SkyMark& m : sky.moon) {
        out.push_back(SceneLine{{m.column, top + 1}, {m.column, top + 1 + d.px(8)}, kGraphMoonMark});
        out.push_back(SceneText{{m.column + d.px(2), top + 1}, m.rise ? u"月出" : u"月入", kGraphMoonMark, font,
                                HAlign::Left, VAlign::Top});
    }
    for (const SkyDay& day : sky.days) {
        char text[32];
        std::snprintf(text, sizeof text, "%d/%d(%s)", day.date.month, day.date.day, day.date.weekdayName);
        out.push_back(SceneText{{(day.left + day.right) / 2, bottom - 1}, cp932ToUtf16(text), kGraphNumbers, font,
                                HAlign::Center, VAlign::Bottom});
    }
    return scene;
}

}  // namespace marilo
