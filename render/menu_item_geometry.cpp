#include "render/menu_item_geometry.h"

#include "app/menu_model.h"

namespace marilo {

namespace {

constexpr uint32_t kBlack = rgb(0, 0, 0);
constexpr uint32_t kWhite = rgb(255, 255, 255);

// A chevron two pixels thick: from each tip column on row t + 8, a line up
// to row t + 3 and one down to row t + 13 at the paired end column.
void chevron(Scene& s, int tip, int end, int t) {
    for (int k = 0; k < 2; ++k) {
        s.elements.push_back(SceneLine{{tip + k, t + 8}, {end + k, t + 3}, kBlack});
        s.elements.push_back(SceneLine{{tip + k, t + 8}, {end + k, t + 13}, kBlack});
    }
}

}  // namespace

std::optional<ItemSize> measureMenuItem(int id, const GraphFrame& frame) {
    if (id == kCmdGraphItem) return frame.menuItem();
    if (id == kCmdCalendarStrip) return ItemSize{kStripWidth, 16};
    return std::nullopt;
}

uint32_t itemBackground(bool selected, uint32_t menuColor, uint32_t highlightColor) {
    return selected ? highlightColor : menuColor;
}

Scene calendarStripScene(const ItemRect& r, bool selected, uint32_t menuColor, uint32_t highlightColor) {
    Scene s{r.width(), r.height(), {}};
    s.elements.push_back(SceneFill{r.left, r.top, r.right, r.bottom, itemBackground(selected, menuColor, highlightColor)});
    const int d = stripLeft(r.left, r.right), t = r.top;
    for (int k = 0; k < kStripButtonCount; ++k) {
        const int b = d + kStripButtonWidth * k;
        // A raised button 20 x 15: white top and left edges, black bottom
        // and right edges.
        s.elements.push_back(SceneFill{b, t + 1, b + 20, t + 16, menuColor});
        s.elements.push_back(SceneFill{b, t + 1, b + 19, t + 2, kWhite});
        s.elements.push_back(SceneFill{b, t + 1, b + 1, t + 15, kWhite});
        s.elements.push_back(SceneFill{b + 19, t + 1, b + 20, t + 16, kBlack});
        s.elements.push_back(SceneFill{b, t + 15, b + 20, t + 16, kBlack});
        switch (k) {
            case 0: chevron(s, b + 4, b + 9, t), chevron(s, b + 8, b + 13, t); break;
            case 1: chevron(s, b + 4, b + 9, t); break;
            case 2: s.elements.push_back(SceneFill{b + 4, t + 3, b + 15, t + 13, kBlack}); break;
            case 3: chevron(s, b + 14, b + 9, t); break;
            default: chevron(s, b + 10, b + 5, t), chevron(s, b + 14, b + 9, t); break;
        }
    }
    return s;
}

}  // namespace marilo
