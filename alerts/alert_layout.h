#pragma once
// The alert window's geometry and picture as plain functions: where it rests
// beside the taskbar and where it hides behind it, how it eases from one to
// the other, and the background colour of each pixel by the event's kind.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "alerts/alert_scheduler.h"
#include "base/screen_geometry.h"
#include "base/screen_scale.h"

namespace marilo {

struct AlertPlacement {
    ScreenPoint shown;   // top-left corner when fully visible
    ScreenPoint hidden;  // top-left corner behind the taskbar
    bool operator==(const AlertPlacement&) const = default;
};

// The window of size w x h against the taskbar on a screen of sw x sh, flush
// with the outer end of the notification area, sliding perpendicular to the
// taskbar from behind it. The edge is the first that fits: left (the
// taskbar's right edge in the left half), top, right, otherwise bottom.
// Without a notification-area window (Wine's taskbar has none, nor do some
// replacement shells) the taskbar's own rectangle stands in for it.
AlertPlacement placeAlert(const ScreenRect& taskbar, const std::optional<ScreenRect>& notifyArea, int sw, int sh,
                          int w, int h);

// One 50 ms step of a slide along one axis, for d = target - current: a tenth
// of the way, at least one pixel, none when there. Eases out: 80 pixels take
// 34 steps (8, 7, 6, 5, 5, 4, ...).
int slideStep(int d);

// Background colour (0x00BBGGRR) of pixel (px, py) of a w x h picture for an
// alert kind: slack water blue at the top to black at the bottom, a falling
// stage blue at the left to black at the right, a rising stage black at the
// left to blue at the right. None for any other kind: the picture keeps what
// it had there.
std::optional<uint32_t> alertBackground(int32_t kind, int px, int py, int w, int h);

// Where one pass of an alert's text is drawn at a dpi: the text's own place
// (ax, ay) of the 96-dpi layout is scaled, and the pass's offset (dx, dy)
// from it (a shadow) is scaled on its own, so that every shadow keeps its
// side and its distance at any scale. Each pass is written twice, the second
// one pixel to the right, which thickens the strokes by one pixel at any
// scale (a scaled step would split them into two hollow outlines).
ScreenPoint alertPassAt(int ax, int ay, int dx, int dy, int dpi, bool second);

// The alert as one line, the window's text that a screen reader announces:
// the two lines of the message joined, then the time without the marks the
// picture draws before and after it: "上げ止まりになりました。 14:07".
std::u16string alertWindowText(const Alert& alert);

// The texts the alert window writes, in UTF-16: its title and an alert's
// three lines (the scheduler's cp932 message, remainder and time).
struct AlertLines {
    std::u16string title;
    std::u16string message;
    std::u16string remainder;
    std::u16string time;
};
AlertLines alertLines(std::string_view message, std::string_view remainder, std::string_view time);

}  // namespace marilo
