#include "alerts/alert_layout.h"

#include <algorithm>
#include <string_view>

#include "platform/cp932.h"

namespace marilo {

AlertPlacement placeAlert(const ScreenRect& taskbar, const std::optional<ScreenRect>& notifyArea, int sw, int sh,
                          int w, int h) {
    const ScreenRect area = notifyArea.value_or(taskbar);
    if (taskbar.right < sw / 2)  // left edge
        return {{taskbar.right, area.bottom - h}, {taskbar.right - w, area.bottom - h}};
    if (taskbar.bottom < sh / 2)  // top edge
        return {{area.right - w, taskbar.bottom}, {area.right - w, taskbar.bottom - h}};
    if (taskbar.left > sw / 2)  // right edge
        return {{taskbar.left - w, area.bottom - h}, {taskbar.left, area.bottom - h}};
    return {{area.right - w, taskbar.top - h}, {area.right - w, taskbar.top}};  // bottom edge
}

int slideStep(int d) {
    if (d > 0) return std::max(1, d / 10);
    if (d < 0) return std::min(-1, d / 10);
    return 0;
}

std::optional<uint32_t> alertBackground(int32_t kind, int px, int py, int w, int h) {
    // The blue value is worked out as a real number and truncated.
    double blue = 0;
    switch (kind) {
        case 0: blue = 200 - 200.0 * py / h; break;
        case 1: blue = 200 - 200.0 * px / w; break;
        case 2: blue = 200.0 * px / w; break;
        default: return std::nullopt;
    }
    return static_cast<uint32_t>(static_cast<int>(blue)) << 16;
}

ScreenPoint alertPassAt(int ax, int ay, int dx, int dy, int dpi, bool second) {
    return {scaledLength(ax, dpi) + scaledLength(dx, dpi) + (second ? 1 : 0), scaledLength(ay, dpi) + scaledLength(dy, dpi)};
}

std::u16string alertWindowText(const Alert& alert) {
    // The marks before the time (★ at the moment, → ahead of it) and the
    // ideographic space after it, in cp932.
    std::string_view time = alert.time;
    for (const std::string_view mark : {std::string_view("★"), std::string_view("→")})
        if (time.substr(0, mark.size()) == mark) time.remove_prefix(mark.size());
    while (time.size() >= 2 && time.substr(time.size() - 2) == "\x81\x40") time.remove_suffix(2);
    while (!time.empty() && time.back() == ' ') time.remove_suffix(1);
    std::string text = alert.message;
    text += alert.remainder;
    if (!time.empty()) {
        text += ' ';
        text += time;
    }
    return cp932ToUtf16(text);
}

AlertLines alertLines(std::string_view message, std::string_view remainder, std::string_view time) {
    return {u"MariloAlert", cp932ToUtf16(message), cp932ToUtf16(remainder), cp932ToUtf16(time)};
}

}  // namespace marilo
