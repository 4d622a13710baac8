#pragma once
// The month window's keyboard focus: the day a reader is on. The arrow keys
// move it a day (left, right) or a week (up, down), into the month before or
// after at the edges; a step of the whole month (PageUp, PageDown) keeps the
// day of the month where the new month has it, else its last day.

#include <cstdint>

namespace marilo {

struct MonthFocus {
    int32_t year = 0;
    int32_t month = 0;  // 1..12
    int32_t day = 0;    // 1..days of the month
    bool operator==(const MonthFocus&) const = default;
};

// The days an arrow key moves the focus (a virtual-key code: 0x25 left,
// 0x26 up, 0x27 right, 0x28 down), or 0 for another key.
int focusStepOfKey(unsigned key);

// The focus `days` days on, held within 1000-01-01..9999-12-31.
MonthFocus focusMovedBy(const MonthFocus& focus, int days);

// The focus on the same day of the month `delta` months on (held within
// 1000-01..9999-12), or the last day of a shorter month.
MonthFocus focusInMonthStep(const MonthFocus& focus, int delta);

}  // namespace marilo
