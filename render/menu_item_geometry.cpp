#include "render/menu_item_geometry.h"

#include "app/menu_model.h"

namespace marilo {

namespace {

// A chevron pointing left, two pixels thick at 96 dpi: from each tip column
// on row t + 8 a line up to row t + 3 and one down to row t + 13 at the
// paired end column (tip and end as offsets from the button's left edge b).
// Mirrored, it points right: offset c stands at column b + w - 1 - c of a
// button w wide.
void chevron(Scene& s, const StripFrame& f, int b, int t, int tip, int end, bool mirrored, uint32_t color) {
    const int w = f.buttonWidth();
    const auto column = [&](int offset) { return mirrored ? b + w - 1 - offset : b + offset; };
    const int tipRow = t + f.px(8), up = t + f.px(3), down = t + f.px(13);
    for (int k = 0; k < f.px(2); ++k) {
        const int from = column(f.px(tip) + k), to = column(f.px(end) + k);
        s.elements.push_back(SceneLine{{from, tipRow}, {to, up}, color});
        s.elements.push_back(SceneLine{{from, tipRow}, {to, down}, color});
    }
}

}  // namespace

std::optional<ItemSize> measureMenuItem(int id, const GraphFrame& frame) {
    if (id == kCmdGraphItem) return frame.menuItem();
    if (id == kCmdCalendarStrip) return frame.strip().menuItem();
    return std::nullopt;
}

uint32_t itemBackground(bool selected, uint32_t menuColor, uint32_t highlightColor) {
    return selected ? highlightColor : menuColor;
}

Scene calendarStripScene(const ItemRect& r, const StripFrame& f, bool selected, uint32_t menuColor,
                         uint32_t highlightColor, const Palette& p) {
    const uint32_t light = p.stripLight, dark = p.stripDark, glyph = p.stripGlyph;
    Scene s{r.width(), r.height(), {}};
    s.elements.push_back(SceneFill{r.left, r.top, r.right, r.bottom, itemBackground(selected, menuColor, highlightColor)});
    const int d = f.left(r.left, r.right), w = f.buttonWidth();
    const int top = r.top + f.px(1), bottom = r.top + f.px(16), t = r.top;
    for (int k = 0; k < StripFrame::kButtons; ++k) {
        const int b = d + w * k;
        // A raised button (20 x 15 at 96 dpi): white top and left edges,
        // black bottom and right edges, each one pixel on any screen.
        s.elements.push_back(SceneFill{b, top, b + w, bottom, menuColor});
        s.elements.push_back(SceneFill{b, top, b + w - 1, top + 1, light});
        s.elements.push_back(SceneFill{b, top, b + 1, bottom - 1, light});
        s.elements.push_back(SceneFill{b + w - 1, top, b + w, bottom, dark});
        s.elements.push_back(SceneFill{b, bottom - 1, b + w, bottom, dark});
        switch (k) {
            case 0: chevron(s, f, b, t, 4, 9, false, glyph), chevron(s, f, b, t, 8, 13, false, glyph); break;
            case 1: chevron(s, f, b, t, 4, 9, false, glyph); break;
            case 2: s.elements.push_back(SceneFill{b + f.px(4), t + f.px(3), b + f.px(15), t + f.px(13), glyph}); break;
            case 3: chevron(s, f, b, t, 4, 9, true, glyph); break;
            default: chevron(s, f, b, t, 4, 9, true, glyph), chevron(s, f, b, t, 8, 13, true, glyph); break;
        }
    }
    return s;
}

}  // namespace marilo
