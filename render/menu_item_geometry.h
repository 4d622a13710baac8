#pragma once
// The popup menu's two owner-drawn items: their measured sizes, where the
// graph's picture stands in its item, and the calendar strip with its five
// raised buttons and glyphs. Both items fill their whole rectangle with the
// highlight colour while selected, otherwise with the menu colour.

#include <optional>

#include "app/graph_frame.h"
#include "app/tray_logic.h"
#include "base/theme.h"
#include "render/scene.h"

namespace marilo {

// What the item of command `id` asks for with the graph's frame; none for
// items the system measures itself.
std::optional<ItemSize> measureMenuItem(int id, const GraphFrame& frame);

uint32_t itemBackground(bool selected, uint32_t menuColor, uint32_t highlightColor);

// The calendar strip centred in its item: one month back, one day back,
// today, one day forward, one month forward, laid out on the strip's screen;
// the buttons' edges and glyphs in the palette's colours.
Scene calendarStripScene(const ItemRect& item, const StripFrame& strip, bool selected, uint32_t menuColor,
                         uint32_t highlightColor, const Palette& palette = lightPalette());

}  // namespace marilo
