#pragma once
// The tide graph over 1 to 4 consecutive days as one scene: the days' graphs
// side by side (each as one day's graph draws it, so the curve runs on
// across each midnight), over a plate that spans them, with the night shaded
// under the grid, the civil twilight lighter, a line at each midnight, the
// moonrises and moonsets marked at the plot's top and each day's date under
// its part of the axis. One day is exactly the one-day graph.

#include <vector>

#include "app/graph_day.h"
#include "app/graph_sky.h"
#include "render/scene.h"

namespace marilo {

constexpr uint32_t kGraphNight = rgb(24, 32, 80);
constexpr uint32_t kGraphTwilight = rgb(12, 16, 44);
constexpr uint32_t kGraphMidnight = rgb(160, 160, 96);
constexpr uint32_t kGraphMoonMark = rgb(224, 208, 128);

// The frame of `days` days at the style's magnification and screen.
GraphSpanFrame graphSpanFrameOf(const GraphStyle& style, int days);

// days[k] is the graph of the k-th day; the sky's columns come from
// graphSpanFrameOf(style, days.size()).
Scene tideSpanScene(const std::vector<GraphDay>& days, const GraphSky& sky, const GraphStyle& style);

}  // namespace marilo
