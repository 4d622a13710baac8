#pragma once
// Points and rectangles on the screen, in pixels, as Windows gives them:
// y grows downwards, right and bottom are exclusive. The alert window's
// placement, the menu's items and the graph window all speak in these.

#include <cstdint>

namespace marilo {

struct ScreenPoint {
    int x = 0, y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// A menu item's rectangle, in the coordinates of the menu's window.
struct ItemRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
};

// The top-left corner that puts a `width` x `height` rectangle wanted at
// `at` inside `area`: moved in as little as it takes; one larger than the
// area keeps its top-left corner at the area's.
inline ScreenPoint placeInside(ScreenPoint at, int width, int height, const ScreenRect& area) {
    auto along = [](int p, int size, int lo, int hi) {
        if (p + size > hi) p = hi - size;
        return p < lo ? lo : p;
    };
    return {along(at.x, width, area.left, area.right), along(at.y, height, area.top, area.bottom)};
}

}  // namespace marilo
