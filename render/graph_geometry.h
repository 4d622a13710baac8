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
#include "base/theme.h"
#include "render/scene.h"
#include "res/resource.h"  // the icons the graph draws

namespace marilo {

// Colours of the graph in the light palette (base/theme.h); the style's
// theme gives the palette it is drawn with.
constexpr uint32_t kGraphPlate = lightPalette().graphPlate;
constexpr uint32_t kGraphGrid = lightPalette().graphGrid;
constexpr uint32_t kGraphAxis = lightPalette().graphAxis;  // zero line, noon line, frame
constexpr uint32_t kGraphCurve = lightPalette().graphCurve;
constexpr uint32_t kGraphWatermark = lightPalette().graphWatermark;
constexpr uint32_t kGraphMarkLabel = lightPalette().graphMarkLabel;
constexpr uint32_t kGraphNowLabel = lightPalette().graphNowLabel;
constexpr uint32_t kGraphNumbers = lightPalette().graphNumbers;
constexpr uint32_t kGraphTitle = lightPalette().graphTitle;

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
