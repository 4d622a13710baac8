#include "render/graph_window_logic.h"

#include <algorithm>
#include <cstdio>

#include "base/shown_number.h"
#include "platform/cp932.h"

namespace marilo {

namespace {

// "%02d:%02d L%.0f" at a minute of the day (0 .. 1440), the date in front
// when asked; never "-0".
std::string timeAndLevel(const TideDay& day, int minute, bool withDate) {
    const int hour = minute / 60, m = minute % 60;
    const double level = shownNumber(day.levelAtTime(hour, m), 0);
    char buf[48];
    if (withDate) std::snprintf(buf, sizeof buf, "%d/%d %02d:%02d L%.0f", day.date.month, day.date.day, hour, m, level);
    else std::snprintf(buf, sizeof buf, "%02d:%02d L%.0f", hour, m, level);
    return buf;
}

}  // namespace

ScreenPoint graphWindowOrigin(ScreenPoint anchor, ItemSize outer) {
    return {anchor.x - outer.width, anchor.y - outer.height};
}

std::string graphTipText(const TideDay& day, int x, const GraphFrame& frame) {
    // The pointer is over the client area; a column beyond it (the window
    // made larger than its picture) reads as the last one.
    return timeAndLevel(day, frame.columnToMinute(std::clamp(x, 0, frame.plotWidth() - 1)), false);
}

int readoutMinuteAfterKey(int minute, bool forward, bool tenMinutes, int days) {
    const int step = tenMinutes ? 10 : 60;
    return std::clamp(minute + (forward ? step : -step), 0, GraphSpanFrame::heldDays(days) * 1440);
}

ShownMinute shownMinuteOf(int minute, int days) {
    const int last = GraphSpanFrame::heldDays(days) - 1;
    const int held = std::clamp(minute, 0, (last + 1) * 1440);
    const int day = std::min(held / 1440, last);
    return {day, held - day * 1440};
}

int minuteAtColumn(int x, const GraphSpanFrame& frame) {
    const int width = frame.dayWidth();
    const int held = std::clamp(x, 0, frame.plotWidth() - 1);
    const int day = held / width;
    return day * 1440 + frame.day.columnToMinute(held - day * width);
}

int columnOfMinute(int minute, const GraphSpanFrame& frame) {
    const ShownMinute at = shownMinuteOf(minute, frame.days);
    return frame.column(at.day, at.minute);
}

std::u16string shownReadoutText(const std::vector<GraphDay>& days, int minute) {
    if (days.empty()) return {};
    const ShownMinute at = shownMinuteOf(minute, static_cast<int>(days.size()));
    return cp932ToUtf16(timeAndLevel(days[static_cast<size_t>(at.day)].day, at.minute, days.size() > 1));
}

int readoutStartMinute(bool showsNow, int nowHour, int nowMinute) {
    return showsNow ? std::clamp(nowHour * 60 + nowMinute, 0, 1440) : 0;
}

std::u16string graphReadoutText(const TideDay& day, int minute) {
    return cp932ToUtf16(timeAndLevel(day, minute, false));
}

bool GraphTip::newPixel(int x, int y) {
    if (last_ && last_->x == x && last_->y == y) return false;
    last_ = ScreenPoint{x, y};
    return true;
}

std::optional<std::u16string> GraphTip::moved(const TideDay& day, const GraphFrame& frame, int x, int y) {
    if (!newPixel(x, y)) return std::nullopt;
    return cp932ToUtf16(graphTipText(day, x, frame));
}

std::optional<std::u16string> GraphTip::moved(const std::vector<GraphDay>& days, const GraphSpanFrame& frame, int x,
                                              int y) {
    if (!newPixel(x, y)) return std::nullopt;
    return shownReadoutText(days, minuteAtColumn(x, frame));
}

}  // namespace marilo
