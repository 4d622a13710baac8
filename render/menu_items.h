#pragma once
// The owner-drawn items of the popup menu on GDI: their measures, the graph
// item (the tide graph centred on the item's background) and the calendar
// strip. Both draws leave the menu's surface as they found it.

#include <windows.h>

#include "app/graph_day.h"
#include "app/tray_logic.h"
#include "render/graph_geometry.h"

namespace marilo {

// Fills in the size of the graph item or the calendar strip; false for any
// other item.
bool measureOwnerDrawnItem(MEASUREITEMSTRUCT& item, const GraphFrame& frame);

// Draws the graph item in the style's frame and returns its rectangle
// (lastItemRect).
ItemRect drawGraphItem(const DRAWITEMSTRUCT& item, const GraphDay& day, const GraphStyle& style);
void drawCalendarStrip(const DRAWITEMSTRUCT& item, const StripFrame& strip, const Palette& palette = lightPalette());

}  // namespace marilo
