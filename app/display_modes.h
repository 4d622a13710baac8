#pragma once
// What the stored display settings' numbers mean: the tray's display mode
// (TrayIcon; the icon page's radios stand in this order) and what the graph
// writes at high and low water (GraphShowMode; its list's entries likewise).

#include <cstdint>

namespace marilo {

// Display modes of TrayIcon.
enum TrayMode : int32_t {
    kModeAppIcon = 0,
    kModeDay = 1,
    kModeMonthDay = 2,
    kModeDayWeekday = 3,
    kModeTwoIcons = 4,
    kModeThreeIcons = 5,
    kModeFourIcons = 6,
    kModeWeek = 7,
    kModeClockOnly = 8,
    kModeMoon = 9,
};

// What GraphShowMode writes beside the marks at high and low water.
enum GraphShowMode : int32_t {
    kGraphShowNone = 0,   // listed as 表示しない; drawn as kGraphShowMarks
    kGraphShowMarks = 1,  // the marks alone
    kGraphShowTime = 2,
    kGraphShowLevel = 3,
    kGraphShowTimeAndLevel = 4,
};

}  // namespace marilo
