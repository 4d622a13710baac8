#pragma once
// The tide graph over 1 to 4 consecutive days as one scene: the days' graphs
// side by side (each as one day's graph draws it, so the curve runs on
// across each midnight), over a plate that spans them, with the night shaded
// under the grid, the civil twilight lighter, a line at each midnight, the
// moonrises and moonsets marked at the plot's top and each day's date in a
// band under its part of the axis. The moon's texts are placed clear of the
// days' labels and marks and of each other, beside their tick or, where
// neither side is free, left out (the tick stays). One day is exactly the
// one-day graph.

#include <vector>

#include "app/graph_day.h"
#include "app/graph_sky.h"
#include "base/theme.h"
#include "render/scene.h"

namespace marilo {

// Colours of the sky in the light palette (base/theme.h); the style's theme
// gives the palette it is drawn with.
constexpr uint32_t kGraphNight = lightPalette().graphNight;
constexpr uint32_t kGraphTwilight = lightPalette().graphTwilight;
constexpr uint32_t kGraphMidnight = lightPalette().graphMidnight;
constexpr uint32_t kGraphMoonMark = lightPalette().graphMoonMark;

// The frame of `days` days at the style's magnification and screen.
GraphSpanFrame graphSpanFrameOf(const GraphStyle& style, int days);

// days[k] is the graph of the k-th day; the sky's columns come from
// graphSpanFrameOf(style, days.size()).
Scene tideSpanScene(const std::vector<GraphDay>& days, const GraphSky& sky, const GraphStyle& style);

}  // namespace marilo
