#include "render/graph_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/cp932.h"
#include "render/graph_labels.h"

namespace marilo {

namespace {

// A double as int, truncated toward zero; values beyond the int range (and
// NaN) are held at its ends rather than converted.
int truncToInt(double v) {
    if (!(v > -2147483648.0)) return v != v ? 0 : INT32_MIN;
    if (v >= 2147483647.0) return INT32_MAX;
    return static_cast<int>(v);
}

// Labels along the time axis: left-aligned in the first quarter of the day,
// right-aligned in the last, centred between.
HAlign alignAlong(int dx, const GraphFrame& f) {
    if (dx < f.minuteToColumn(360)) return HAlign::Left;
    if (dx > f.minuteToColumn(1080)) return HAlign::Right;
    return HAlign::Center;
}

// Where such a label stands: at its mark, but no nearer the plot's left or
// right border than two pixels at 96 dpi, so that its first or last
// character keeps clear of the border.
int anchorAlong(int dx, const GraphFrame& f) {
    return std::clamp(dx, f.px(2), f.plotWidth() - f.px(2));
}

// A mark: its icon, or in the system's colours a square of the colour.
void addMark(std::vector<SceneElement>& out, const Palette& p, int icon, ScenePoint corner, int size, uint32_t color) {
    if (!p.systemColors) out.push_back(SceneIcon{icon, corner, size});
    else out.push_back(SceneFill{corner.x + 1, corner.y + 1, corner.x + size - 1, corner.y + size - 1, color});
}

// A label as the scene carries it: formatted in cp932, shown in UTF-16.
std::u16string format(const char* fmt, auto... args) {
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, args...);
    return cp932ToUtf16(buf);
}

// Level grid lines from the first multiple of the tick at or above the bottom
// (toward zero for a positive bottom) up to the top; none when the tick is
// not positive or the lines would outnumber the plot's rows.
std::vector<int64_t> gridLevels(const GraphStyle& s) {
    if (s.tick <= 0) return {};
    const int64_t first = static_cast<int64_t>(s.bottom / s.tick) * s.tick;
    if (first > s.top) return {};
    const int64_t count = (static_cast<int64_t>(s.top) - first) / s.tick + 1;
    if (count > s.frame().plotHeight() + 1) return {};
    std::vector<int64_t> levels;
    for (int64_t i = 0; i < count; ++i) levels.push_back(first + i * s.tick);
    return levels;
}

void addTitle(Scene& scene, const GraphDay& g, const GraphFrame& f, const Palette& p, int x, int y) {
    const DateTime& d = g.day.date;
    SceneTitle title{{x + f.px(4), y + f.px(2)}, kGraphGothic8, {}};
    title.pieces.push_back({f.m >= 2 ? format("%4d/%d/%d (", d.year, d.month, d.day) : format("%d/%d(", d.month, d.day),
                            p.graphTitle});
    title.pieces.push_back({cp932ToUtf16(d.weekdayName), userColorOn(p, g.weekdayColor, p.graphTitle, p.graphPlate)});
    title.pieces.push_back({format(") %s", g.day.tideName), p.graphTitle});
    scene.elements.push_back(std::move(title));
}

}  // namespace

int moonIconOf(double moonAge) { return kGraphMoonIconFirst + GraphFrame::moonPicture(moonAge); }

Scene tideGraphScene(const GraphDay& g, const GraphStyle& s, bool watermark, int x, int y) {
    const GraphFrame f = s.frame();
    const Palette p = paletteOf(s.theme);
    const int m = f.m;
    const TideDay& day = g.day;
    const SceneFont label = m == 1 ? kGraphSmallFont : kGraphGothic8;
    const int plotTop = y + f.plotTop(), plotBottom = y + f.plotBottom(), right = x + f.plotWidth();
    auto row = [&](double level) { return y + f.levelToRow(level, s.top, s.bottom); };
    auto column = [&](int minutes) { return x + f.minuteToColumn(minutes); };

    Scene scene{f.picture().width, f.picture().height, {}, f.dpi};
    auto& out = scene.elements;
    out.push_back(SceneFill{x, y, x + f.plate().width, y + f.plate().height, p.graphPlate});
    if (watermark) out.push_back(SceneText{{(x + f.plotWidth()) / 2, y + f.px(19)}, u"Ｍ", p.graphWatermark,
                                           kGraphWatermarkFont, HAlign::Center, VAlign::Top});
    if (s.top <= s.bottom) {  // no level axis: the plate and the title
        addTitle(scene, g, f, p, x, y);
        return scene;
    }

    // Hour lines every 6 hours at m = 1, 3 at m = 2, 2 at m = 3; the last on
    // the right edge.
    const std::vector<int64_t> grid = gridLevels(s);
    for (int64_t level : grid) out.push_back(SceneLine{{x, row(level)}, {right, row(level)}, p.graphGrid});
    for (int k = 1; k <= 4 * m; ++k)
        out.push_back(SceneLine{{column(k * 360 / m), plotTop}, {column(k * 360 / m), plotBottom}, p.graphGrid});
    out.push_back(SceneLine{{x, row(0)}, {right, row(0)}, p.graphAxis});
    out.push_back(SceneLine{{column(720), plotTop}, {column(720), plotBottom}, p.graphAxis});

    ScenePolyline curve{{{x, row(day.levelAtTime(0, 0))}}, p.graphCurve};
    for (int i = 0; i < f.plotWidth(); ++i)
        curve.points.push_back({x + GraphFrame::curveColumn(i), row(day.levelAtTime(0, f.columnToMinute(i)))});
    out.push_back(std::move(curve));

    // The marks, then the labels placed clear of each other and of the
    // marks (graph_labels.h).
    std::vector<GraphLabel> labels;
    std::vector<LabelBox> marks;
    if (m >= 2) {
        for (int i = 0; i < 4; ++i) {
            const TideExtreme& e = day.extremes[i];
            if (e.empty() || (e.kind != kHighWater && e.kind != kLowWater)) continue;
            const int dx = f.minuteToColumn(60 * e.hour + e.minute);
            const int r = row(e.level);
            const ScenePoint corner{x + dx - f.px(2), r - f.px(3)};
            addMark(out, p, kExtremeMarkIcon, corner, f.px(7), p.graphExtremeMark);
            marks.push_back({corner.x, corner.y, corner.x + f.px(7), corner.y + f.px(7)});
            const int level = truncToInt(e.level);
            std::u16string text;
            if (s.showMode == kGraphShowTime) text = format("%d:%02d", e.hour, e.minute);
            else if (s.showMode == kGraphShowLevel) text = format("L%d", level);
            else if (s.showMode == kGraphShowTimeAndLevel) text = format("%d:%02d L%d", e.hour, e.minute, level);
            if (text.empty()) continue;
            // Above a high water, below a low water; else on the ring's other side.
            const bool high = e.kind == kHighWater;
            const SceneText first{{x + anchorAlong(dx, f), r}, text, p.graphMarkLabel, label, alignAlong(dx, f),
                                  high ? VAlign::Bottom : VAlign::Top};
            SceneText other = first;
            other.at.y = high ? corner.y + f.px(7) : corner.y;
            other.v = high ? VAlign::Top : VAlign::Bottom;
            labels.push_back({first, other, LabelRank::Extreme, static_cast<int>(marks.size()) - 1});
        }
    }

    if (g.showsNow) {
        const double level = day.levelAtTime(g.nowHour, g.nowMinute);
        const int dx = f.minuteToColumn(60 * g.nowHour + g.nowMinute);
        const int r = row(level) - f.px(2);
        const int size = m == 1 ? f.px(5) : f.px(7);
        const ScenePoint corner{m == 1 ? x + dx : x + dx - f.px(1), r};
        addMark(out, p, m == 1 ? kNowMarkSmallIcon : kNowMarkIcon, corner, size, p.graphNowMark);
        marks.push_back({corner.x, corner.y, corner.x + size, corner.y + size});
        // Above the mark, else under it.
        const SceneText first{{x + anchorAlong(dx, f), r}, format("Now L%d", truncToInt(level)), p.graphNowLabel, label,
                              alignAlong(dx, f), VAlign::Baseline};
        SceneText other = first;
        other.at.y = r + size;
        other.v = VAlign::Top;
        labels.push_back({first, other, LabelRank::Now, static_cast<int>(marks.size()) - 1});
    }

    // Level numbers right of the noon line above their grid line, else left
    // of it; hour numbers under the zero line, else above it.
    for (int64_t level : grid) {
        const SceneText first{{column(720), row(static_cast<double>(level))},
                              format("%lld", static_cast<long long>(level)), p.graphNumbers, label, HAlign::Left,
                              VAlign::Bottom};
        SceneText other = first;
        other.h = HAlign::Right;
        labels.push_back({first, other, LabelRank::Scale});
    }
    for (int h = m == 1 ? 6 : 3; h < 24; h += m == 1 ? 6 : 3) {
        const SceneText first{{column(60 * h), row(0)}, format("%d", h), p.graphNumbers, label, HAlign::Center,
                              VAlign::Top};
        SceneText other = first;
        other.v = VAlign::Bottom;
        labels.push_back({first, other, LabelRank::Scale});
    }
    for (SceneText& t : placeGraphLabels(labels, marks, plotTop, plotBottom + 1, f.dpi)) out.push_back(std::move(t));

    addTitle(scene, g, f, p, x, y);
    if (!p.systemColors) out.push_back(SceneIcon{moonIconOf(day.moonAge), {right - f.px(18), y}, f.px(16)});

    const int bottom = y + f.picture().height;
    out.push_back(SceneLine{{x, y}, {x, bottom}, p.graphAxis});
    out.push_back(SceneLine{{right, y}, {right, bottom}, p.graphAxis});
    out.push_back(SceneLine{{x, y}, {right + 1, y}, p.graphAxis});
    out.push_back(SceneLine{{x, plotTop}, {right + 1, plotTop}, p.graphAxis});
    out.push_back(SceneLine{{x, plotBottom}, {right + 1, plotBottom}, p.graphAxis});
    return scene;
}

}  // namespace marilo
