#include "render/graph_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace marilo {

namespace {

constexpr int kFarRow = 32767;

// A double as int, truncated toward zero; values beyond the int range (and
// NaN) are held at its ends rather than converted.
int truncToInt(double v) {
    if (!(v > -2147483648.0)) return v != v ? 0 : INT32_MIN;
    if (v >= 2147483647.0) return INT32_MAX;
    return static_cast<int>(v);
}

HAlign alignAlong(int dx, int m) {
    if (dx < 24 * m) return HAlign::Left;
    if (dx > 72 * m) return HAlign::Right;
    return HAlign::Center;
}

std::string format(const char* fmt, auto... args) {
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, args...);
    return buf;
}

// Level grid lines from the first multiple of YT at or above YL (toward
// zero for a positive YL) up to YH; none when YT is not positive or the lines
// would outnumber the plot's rows.
std::vector<int64_t> gridLevels(const GraphStyle& s) {
    if (s.YT <= 0) return {};
    const int64_t first = static_cast<int64_t>(s.YL / s.YT) * s.YT;
    if (first > s.YH) return {};
    const int64_t count = (static_cast<int64_t>(s.YH) - first) / s.YT + 1;
    if (count > 100 * s.scale + 1) return {};
    std::vector<int64_t> levels;
    for (int64_t i = 0; i < count; ++i) levels.push_back(first + i * s.YT);
    return levels;
}

void addTitle(Scene& scene, const GraphDay& g, int m, int x, int y) {
    const DateTime& d = g.day.date;
    SceneTitle title{{x + 4, y + 2}, kGraphGothic8, {}};
    title.pieces.push_back({m >= 2 ? format("%4d/%d/%d (", d.year, d.month, d.day) : format("%d/%d(", d.month, d.day),
                            kGraphTitle});
    title.pieces.push_back({d.weekdayName, g.weekdayColor != 0 ? g.weekdayColor : kGraphTitle});
    title.pieces.push_back({format(") %s", g.day.tideName), kGraphTitle});
    scene.elements.push_back(std::move(title));
}

}  // namespace

GraphStyle graphStyleOf(const ControllerSettings& s) {
    return {s.graphScale(), s.settings.YH, s.settings.YL, s.settings.YT, s.settings.GraphShowMode};
}

int levelToY(double level, const GraphStyle& s) {
    const double v = (s.YH - level) * (100.0 * s.scale) / (static_cast<double>(s.YH) - s.YL) + 16;
    return truncToInt(std::clamp(v, double{-kFarRow}, double{kFarRow}));
}

int minuteToX(int minutes, int scale) { return scale * 96 * minutes / 1440; }

int moonStep(double moonAge) {
    const int k = truncToInt(moonAge * 0.03386329388259596 * 16.0 + 0.5);
    return std::clamp(k, 0, 16);
}

int moonIconOf(double moonAge) { return kGraphMoonIconFirst + moonStep(moonAge) % 16; }

Scene tideGraphScene(const GraphDay& g, const GraphStyle& styleIn, bool watermark, int x, int y) {
    GraphStyle s = styleIn;
    s.scale = std::clamp(s.scale, 1, 3);
    const int m = s.scale;
    const TideDay& day = g.day;
    const SceneFont label = m == 1 ? kGraphSmallFont : kGraphGothic8;
    const int plotTop = y + 16, plotBottom = y + 16 + 100 * m, right = x + 96 * m;
    auto row = [&](double level) { return y + levelToY(level, s); };

    Scene scene{graphWidth(m), graphHeight(m), {}};
    auto& out = scene.elements;
    out.push_back(SceneFill{x, y, x + 96 * m + 2, y + 100 * m + 18, kGraphPlate});
    if (watermark) out.push_back(SceneText{{(x + 96 * m) / 2, y + 19}, "Ｍ", kGraphWatermark, kGraphWatermarkFont,
                                           HAlign::Center, VAlign::Top});
    if (s.YH <= s.YL) {  // no level axis: the plate and the title
        addTitle(scene, g, m, x, y);
        return scene;
    }

    const std::vector<int64_t> grid = gridLevels(s);
    for (int64_t level : grid) out.push_back(SceneLine{{x, row(level)}, {right, row(level)}, kGraphGrid});
    for (int k = 24; k <= 96 * m; k += 24) out.push_back(SceneLine{{x + k, plotTop}, {x + k, plotBottom}, kGraphGrid});
    out.push_back(SceneLine{{x, row(0)}, {right, row(0)}, kGraphAxis});
    out.push_back(SceneLine{{x + 48 * m, plotTop}, {x + 48 * m, plotBottom}, kGraphAxis});

    // The curve: the level at 0:00, then one point per column, the column
    // x + 1 + i showing minute (i x 1440) / 96m.
    ScenePolyline curve{{{x, row(day.levelAtTime(0, 0))}}, kGraphCurve};
    for (int i = 0; i < 96 * m; ++i) {
        const int t = i * 1440 / (96 * m);
        curve.points.push_back({x + 1 + i, row(day.levelAtTime(0, t))});
    }
    out.push_back(std::move(curve));

    if (m >= 2) {
        for (int i = 0; i < 4; ++i) {
            const TideExtreme& e = day.extremes[i];
            if (e.empty() || (e.kind != kHighWater && e.kind != kLowWater)) continue;
            const int dx = minuteToX(60 * e.hour + e.minute, m);
            const int r = levelToY(e.level, s);
            out.push_back(SceneIcon{kExtremeMarkIcon, {x + dx - 2, y + r - 3}, 7});
            const int level = truncToInt(e.level);
            std::string text;
            if (s.showMode == 2) text = format("%d:%02d", e.hour, e.minute);
            else if (s.showMode == 3) text = format("L%d", level);
            else if (s.showMode == 4) text = format("%d:%02d L%d", e.hour, e.minute, level);
            if (!text.empty())
                out.push_back(SceneText{{x + dx, y + r}, text, kGraphMarkLabel, label, alignAlong(dx, m),
                                        e.kind == kHighWater ? VAlign::Bottom : VAlign::Top});
        }
    }

    if (g.showsNow) {
        const double level = day.levelAtTime(g.nowHour, g.nowMinute);
        const int dx = minuteToX(60 * g.nowHour + g.nowMinute, m);
        const int r = levelToY(level, s) - 2;
        if (m == 1) out.push_back(SceneIcon{kNowMarkSmallIcon, {x + dx, y + r}, 5});
        else out.push_back(SceneIcon{kNowMarkIcon, {x + dx - 1, y + r}, 7});
        out.push_back(SceneText{{x + dx, y + r}, format("Now L%d", truncToInt(level)), kGraphNowLabel, label,
                                alignAlong(dx, m), VAlign::Baseline});
    }

    for (int64_t level : grid)
        out.push_back(SceneText{{x + 48 * m, row(static_cast<double>(level))}, format("%lld", static_cast<long long>(level)),
                                kGraphNumbers, label, HAlign::Left, VAlign::Bottom});
    for (int h = m == 1 ? 6 : 3; h < 24; h += m == 1 ? 6 : 3)
        out.push_back(SceneText{{x + h * m * 96 / 24, row(0)}, format("%d", h), kGraphNumbers, label, HAlign::Center,
                                VAlign::Top});

    addTitle(scene, g, m, x, y);
    out.push_back(SceneIcon{moonIconOf(day.moonAge), {x + 96 * m - 18, y}, 16});

    const int bottom = y + 100 * m + 17;
    out.push_back(SceneLine{{x, y}, {x, bottom}, kGraphAxis});
    out.push_back(SceneLine{{right, y}, {right, bottom}, kGraphAxis});
    out.push_back(SceneLine{{x, y}, {right + 1, y}, kGraphAxis});
    out.push_back(SceneLine{{x, plotTop}, {right + 1, plotTop}, kGraphAxis});
    out.push_back(SceneLine{{x, plotBottom}, {right + 1, plotBottom}, kGraphAxis});
    return scene;
}

}  // namespace marilo
