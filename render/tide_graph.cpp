#include "render/tide_graph.h"

#include "platform/gdi.h"
#include "render/scene_painter.h"

namespace marilo {

void DrawTideGraph(HDC dc, int x, int y, const GraphDay& day, const GraphStyle& style, bool withWatermark) {
    paintScene(dc, tideGraphScene(day, style, withWatermark, x, y));
}

Bitmap tideGraphBitmap(HDC like, const GraphDay& day, const GraphStyle& style, bool withWatermark) {
    HDC screen = like ? nullptr : GetDC(nullptr);
    HDC base = like ? like : screen;
    const Scene scene = tideGraphScene(day, style, withWatermark);
    Bitmap bitmap(CreateCompatibleBitmap(base, scene.width, scene.height));
    MemoryDc memory = memoryDcLike(base);
    if (screen) ReleaseDC(nullptr, screen);
    if (!bitmap || !memory) return Bitmap();
    {
        const SelectGuard selected(memory.get(), bitmap.get());
        SetBkMode(memory.get(), TRANSPARENT);
        paintScene(memory.get(), scene);
    }
    return bitmap;
}

bool copyGraphToClipboard(HWND owner, const GraphDay& day, const GraphStyle& style) {
    HDC windowDc = GetDC(owner);
    Bitmap bitmap = tideGraphBitmap(windowDc, day, style, true);
    ReleaseDC(owner, windowDc);
    if (!bitmap || !OpenClipboard(owner)) return false;
    EmptyClipboard();
    if (SetClipboardData(CF_BITMAP, bitmap.get())) bitmap.release();  // the clipboard's from now on
    CloseClipboard();
    return true;
}

}  // namespace marilo
