#include "render/icon_layout.h"

#include <algorithm>
#include <cmath>

namespace marilo {

int trayIconSizeForDpi(int dpi) {
    if (dpi <= 0) return kDesignIconSize;
    return static_cast<int>(std::lround(kDesignIconSize * dpi / 96.0));
}

int iconScaled(int designPx, int size) {
    return static_cast<int>(std::lround(static_cast<double>(designPx) * size / kDesignIconSize));
}

int iconStroke(int size) { return std::max(1, size / kDesignIconSize); }

// points x dpi / 72 with dpi = 96 x size / 16.
int iconFontPixels(int points, int size) { return static_cast<int>(std::lround(points * size / 12.0)); }

std::string_view smallFigureFace(int size) { return size <= kDesignIconSize ? "Small Fonts" : "Tahoma"; }

CalendarPage calendarPageAt(int size) {
    const int s = iconStroke(size);
    CalendarPage p{};
    p.stroke = s;
    p.sheetColumns = {0, size - 2 * s - 1};
    p.sheetRows = {0, size - s - 1};
    p.edgeColumns = {size - 2 * s, size - s - 1};
    p.edgeRows = {size - s, size - 1};
    p.edgeRowColumns = {s, size - s - 1};
    for (int i = 0; i < 6; ++i) p.holeX[i] = iconScaled(1 + 2 * i, size);
    return p;
}

WeekFrame weekFrameAt(int size) {
    const int reach = iconScaled(4, size);
    return {{0, reach}, {size - reach, size - 1}, iconStroke(size)};
}

}  // namespace marilo
