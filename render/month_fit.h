#pragma once
// How large the month window lays its picture out so that it fits the work
// area of its monitor. The picture is laid out for a dpi (month_geometry.h):
// the screen's own when it fits; otherwise the largest smaller dpi at which
// it fits, so that the cells and their writing shrink together, down to the
// 96-dpi layout (8-point writing at 96 dpi, the smallest kept readable).
// When even that does not fit, the window takes what there is and scrolls.

#include "app/graph_frame.h"

namespace marilo {

struct MonthFit {
    int dpi = 96;             // the dpi the picture is laid out at
    ItemSize client{0, 0};    // the window's client area: the picture, or the part of it shown
    bool scrollsX = false;    // a scroll bar is needed along that side
    bool scrollsY = false;
    bool operator==(const MonthFit&) const = default;
};

// The picture of a month of `rows` weeks on a screen of `screenDpi`, in a
// window whose frame, title and menu bar add `chrome` to its client area,
// inside a work area of `available`; `scrollBar` is a scroll bar's
// thickness on that screen.
MonthFit fitMonth(int rows, int screenDpi, ItemSize available, ItemSize chrome, int scrollBar);

}  // namespace marilo
