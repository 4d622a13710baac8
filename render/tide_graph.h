#pragma once
// The one painter of the tide graph, for the menu's graph item, the graph
// window, the clipboard copy and the PNG file, and the clipboard copy itself.

#include <windows.h>

#include "app/graph_day.h"
#include "platform/handle.h"
#include "render/graph_geometry.h"

namespace marilo {

// Paints the graph with its top-left corner at (x, y) and leaves the
// surface as it found it.
void DrawTideGraph(HDC dc, int x, int y, const GraphDay& day, const GraphStyle& style, bool withWatermark);

// A bitmap compatible with `like` (the screen when null) holding the graph,
// the picture of the style's frame.
Bitmap tideGraphBitmap(HDC like, const GraphDay& day, const GraphStyle& style, bool withWatermark);

// The graph with its watermark on the clipboard as a bitmap, for `owner`,
// in the style's frame;
// false when the clipboard could not be opened (the copy is then lost).
bool copyGraphToClipboard(HWND owner, const GraphDay& day, const GraphStyle& style);

}  // namespace marilo
