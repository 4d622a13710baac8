#include "render/month_focus.h"

#include <algorithm>

#include "calendar/date_time.h"
#include "render/month_geometry.h"

namespace marilo {

namespace {

MonthFocus focusOf(const DateTime& d) { return {d.year, d.month, d.day}; }

int32_t lengthOf(int32_t year, int32_t month) { return daysInMonthOf(year, month); }

}  // namespace

int focusStepOfKey(unsigned key) {
    switch (key) {
        case 0x25: return -1;
        case 0x27: return 1;
        case 0x26: return -7;
        case 0x28: return 7;
        default: return 0;
    }
}

MonthFocus focusMovedBy(const MonthFocus& focus, int days) {
    DateTime d(focus.year, focus.month, std::clamp(focus.day, 1, lengthOf(focus.year, focus.month)));
    d.addDays(days);
    if (d.year < 1000) return {1000, 1, 1};
    if (d.year > 9999) return {9999, 12, 31};
    return focusOf(d);
}

MonthFocus focusInMonthStep(const MonthFocus& focus, int delta) {
    MonthFocus f = focus;
    stepMonth(f.year, f.month, delta);
    f.day = std::clamp(f.day, 1, lengthOf(f.year, f.month));
    return f;
}

}  // namespace marilo
