#pragma once
// Where the 16 x 16 analog clock puts its hour marks and hands.

#include <array>

namespace marilo {

struct Pixel {
    int x;
    int y;
    bool operator==(const Pixel&) const = default;
};

enum class ClockVariant { Tray, Preview };

// The eight hour-mark pixels (12, 6, 9 and 3 o'clock, two each).
std::array<Pixel, 8> hourMarks(bool frame);

// End points of the hands from the centre (7, 7); a line stops short of its
// end point.
Pixel hourHandEnd(int hour, int minute, bool frame);
Pixel minuteHandEnd(int minute, ClockVariant variant);

}  // namespace marilo
