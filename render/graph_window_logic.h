#pragma once
// The graph window's decisions: its size and place (the bottom-right corner
// at the mouse, as suits a tray icon at the bottom right of the screen) and
// the tip that tells the time and the level under the pointer, read from the
// one solution the window's picture was drawn from.

#include <optional>
#include <string>

#include "app/tray_logic.h"
#include "engine/tide_day.h"
#include "app/graph_frame.h"

namespace marilo {

// Top-left corner of a window of outer size `outer` whose bottom-right
// corner is at `anchor`.
ScreenPoint graphWindowOrigin(ScreenPoint anchor, ItemSize outer);

// "%02d:%02d L%.0f": the time column x of the plot reads (hours and
// minutes) and the level then.
std::string graphTipText(const TideDay& day, int x, const GraphFrame& frame);

// The keyboard's readout: Left and Right move it an hour, with Shift ten
// minutes, held within the day (0 .. 1440 minutes).
int readoutMinuteAfterKey(int minute, bool forward, bool tenMinutes);
// Where the readout starts: the present moment on today's graph, 0:00 on
// another day's.
int readoutStartMinute(bool showsNow, int nowHour, int nowMinute);
// "%02d:%02d L%.0f", as the tip writes it, for a minute of the day.
std::u16string graphReadoutText(const TideDay& day, int minute);

// Follows the pointer over the window: a new text for each new pixel, none
// while the pointer stays on the same one; in UTF-16, as the tooltip shows
// it.
class GraphTip {
public:
    std::optional<std::u16string> moved(const TideDay& day, const GraphFrame& frame, int x, int y);

private:
    std::optional<ScreenPoint> last_;
};

}  // namespace marilo
