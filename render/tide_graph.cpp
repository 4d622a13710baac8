#include "render/tide_graph.h"

#include "platform/gdi.h"
#include "render/scene_painter.h"

namespace marilo {

void DrawTideGraph(HDC dc, int x, int y, const GraphDay& day, const GraphStyle& style, bool withWatermark) {
    paintScene(dc, tideGraphScene(day, style, withWatermark, x, y));
}

Bitmap tideGraphBitmap(HDC like, const GraphDay& day, const GraphStyle& style, bool withWatermark) {
    return sceneBitmap(like, tideGraphScene(day, style, withWatermark));
}

bool copyGraphToClipboard(HWND owner, const GraphDay& day, const GraphStyle& style) {
    return copySceneToClipboard(owner, tideGraphScene(day, style, true));
}

}  // namespace marilo
