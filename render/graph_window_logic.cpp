#include "render/graph_window_logic.h"

#include <algorithm>
#include <cstdio>

#include "base/shown_number.h"
#include "platform/cp932.h"

namespace marilo {

ScreenPoint graphWindowOrigin(ScreenPoint anchor, ItemSize outer) {
    return {anchor.x - outer.width, anchor.y - outer.height};
}

std::string graphTipText(const TideDay& day, int x, const GraphFrame& frame) {
    // The pointer is over the client area; a column beyond it (the window
    // made larger than its picture) reads as the last one.
    const int t = frame.columnToMinute(std::clamp(x, 0, frame.plotWidth() - 1));
    const int hour = t / 60, minute = t % 60;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d L%.0f", hour, minute, shownNumber(day.levelAtTime(hour, minute), 0));
    return buf;
}

int readoutMinuteAfterKey(int minute, bool forward, bool tenMinutes) {
    const int step = tenMinutes ? 10 : 60;
    return std::clamp(minute + (forward ? step : -step), 0, 1440);
}

int readoutStartMinute(bool showsNow, int nowHour, int nowMinute) {
    return showsNow ? std::clamp(nowHour * 60 + nowMinute, 0, 1440) : 0;
}

std::u16string graphReadoutText(const TideDay& day, int minute) {
    const int hour = minute / 60, m = minute % 60;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d L%.0f", hour, m, day.levelAtTime(hour, m));
    return cp932ToUtf16(buf);
}

std::optional<std::u16string> GraphTip::moved(const TideDay& day, const GraphFrame& frame, int x, int y) {
    if (last_ && last_->x == x && last_->y == y) return std::nullopt;
    last_ = ScreenPoint{x, y};
    return cp932ToUtf16(graphTipText(day, x, frame));
}

}  // namespace marilo
