#include "render/menu_items.h"

#include "platform/gdi.h"
#include "render/menu_item_geometry.h"
#include "render/scene_painter.h"
#include "render/tide_graph.h"

namespace marilo {

namespace {

ItemRect itemRectOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
bool selected(const DRAWITEMSTRUCT& item) { return (item.itemState & ODS_SELECTED) != 0; }

}  // namespace

bool measureOwnerDrawnItem(MEASUREITEMSTRUCT& item, const GraphFrame& frame) {
    const std::optional<ItemSize> size = measureMenuItem(static_cast<int>(item.itemID), frame);
    if (!size) return false;
    item.itemWidth = static_cast<UINT>(size->width);
    item.itemHeight = static_cast<UINT>(size->height);
    return true;
}

ItemRect drawGraphItem(const DRAWITEMSTRUCT& item, const GraphDay& day, const GraphStyle& style) {
    const ItemRect r = itemRectOf(item.rcItem);
    HDC dc = item.hDC;
    const int saved = SaveDC(dc);
    {
        DcStateGuard guard(dc);
        const Bitmap graph = tideGraphBitmap(dc, day, style, false);
        const Brush background = solidBrush(
            itemBackground(selected(item), GetSysColor(COLOR_MENU), GetSysColor(COLOR_HIGHLIGHT)));
        FillRect(dc, &item.rcItem, background.get());
        MemoryDc memory = memoryDcLike(dc);
        if (graph && memory) {
            const SelectGuard sel(memory.get(), graph.get());
            const GraphFrame frame = style.frame();
            const ScreenPoint at = frame.itemOrigin(r);
            BitBlt(dc, at.x, at.y, frame.picture().width, frame.picture().height, memory.get(), 0, 0, SRCCOPY);
        }
    }
    if (saved) RestoreDC(dc, saved);
    return r;
}

void drawCalendarStrip(const DRAWITEMSTRUCT& item, const StripFrame& strip, const Palette& palette) {
    paintScene(item.hDC, calendarStripScene(itemRectOf(item.rcItem), strip, selected(item), GetSysColor(COLOR_MENU),
                                            GetSysColor(COLOR_HIGHLIGHT), palette));
}

}  // namespace marilo
