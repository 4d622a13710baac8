#pragma once
// The tide graph of one day as a scene: the black plate with the title band,
// the level grid, the hour grid, the zero and noon lines, the curve, the
// marks and labels at high and low water, the present moment, the level and
// hour numbers, the title, the moon's phase and the frame. The plot is 96m
// pixels wide (one pixel 15 / m minutes) and 100m high (the style's top
// level at its top row, its bottom level at its bottom row); the title band
// and the margins do not scale.
//
// Every level comes from the day's one solution. Stored axis settings are
// taken as they are, with guards: no level grid or level numbers when the
// tick is not positive (or so small against top - bottom that the lines
// would stand closer than a pixel row); only the plate and the title when
// top <= bottom; rows far outside the picture are held at +-32767, so
// nothing overflows and the surface clips them.

#include <cstdint>

#include "app/graph_day.h"
#include "app/graph_frame.h"
#include "render/scene.h"
#include "res/resource.h"  // the icons the graph draws

namespace marilo {

// Colours of the graph.
constexpr uint32_t kGraphPlate = rgb(0, 0, 0);
constexpr uint32_t kGraphGrid = rgb(32, 32, 32);
constexpr uint32_t kGraphAxis = rgb(128, 128, 128);  // zero line, noon line, frame
constexpr uint32_t kGraphCurve = rgb(50, 50, 255);
constexpr uint32_t kGraphWatermark = rgb(16, 16, 16);
constexpr uint32_t kGraphMarkLabel = rgb(80, 80, 80);
constexpr uint32_t kGraphNowLabel = rgb(192, 192, 0);
constexpr uint32_t kGraphNumbers = rgb(192, 192, 192);
constexpr uint32_t kGraphTitle = rgb(255, 255, 255);

// Fonts: the labels at m = 1 and at m = 2 or 3, the title, the watermark.
constexpr SceneFont kGraphSmallFont{"Small Fonts", 6};
constexpr SceneFont kGraphGothic8{"ＭＳ ゴシック", 8};
constexpr SceneFont kGraphWatermarkFont{"ＭＳ ゴシック", 64};

// The graph's icon for a moon age.
int moonIconOf(double moonAge);

// The graph with its top-left corner at (x, y); the watermark "Ｍ" only for
// the clipboard copy.
Scene tideGraphScene(const GraphDay& day, const GraphStyle& style, bool watermark, int x = 0, int y = 0);

}  // namespace marilo
