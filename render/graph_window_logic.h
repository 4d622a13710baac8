#pragma once
// The graph window's decisions: its size and place (the bottom-right corner
// at the mouse, as suits a tray icon at the bottom right of the screen) and
// the tip that tells the time and the level under the pointer, read from the
// one solution the window's picture was drawn from.

#include <optional>
#include <string>
#include <vector>

#include "app/graph_day.h"
#include "app/graph_frame.h"
#include "app/tray_logic.h"
#include "engine/tide_day.h"

namespace marilo {

// Top-left corner of a window of outer size `outer` whose bottom-right
// corner is at `anchor`.
ScreenPoint graphWindowOrigin(ScreenPoint anchor, ItemSize outer);

// "%02d:%02d L%.0f": the time column x of the plot reads (hours and
// minutes) and the level then.
std::string graphTipText(const TideDay& day, int x, const GraphFrame& frame);

// The keyboard's readout: Left and Right move it an hour, with Shift ten
// minutes, held within the days shown (0 .. days x 1440 minutes from the
// first day's 0:00).
int readoutMinuteAfterKey(int minute, bool forward, bool tenMinutes, int days = 1);

// A moment of the days shown, in minutes from the first day's 0:00, as the
// day it falls on (0 .. days - 1) and the minute of that day: a midnight
// between two days is the later one's 0:00, the end the last day's 24:00.
struct ShownMinute {
    int day;
    int minute;
    bool operator==(const ShownMinute&) const = default;
};
ShownMinute shownMinuteOf(int minute, int days);
// The moment a column x of the window reads (held to the picture's
// columns), in minutes from the first day's 0:00: the day under it and, in
// that day, the time its column reads in one day's frame.
int minuteAtColumn(int x, const GraphSpanFrame& frame);
// The column of such a moment.
int columnOfMinute(int minute, const GraphSpanFrame& frame);
// The time and level at a moment of the days shown, as the pointer's tip
// and the keyboard's readout both write it: "%02d:%02d L%.0f" for one day,
// with the day in front for several ("1/12 06:00 L120"). Never "-0".
std::u16string shownReadoutText(const std::vector<GraphDay>& days, int minute);
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
    // Over the days shown (shownReadoutText).
    std::optional<std::u16string> moved(const std::vector<GraphDay>& days, const GraphSpanFrame& frame, int x, int y);

private:
    bool newPixel(int x, int y);

    std::optional<ScreenPoint> last_;
};

}  // namespace marilo
