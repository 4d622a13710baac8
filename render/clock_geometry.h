#pragma once
// Where the analog clock puts its dial, hour marks and hands: the 16 x 16
// face, and the same face at any other icon size with every length scaled
// by size / 16 (at 16 exactly the 16-pixel face).

#include <vector>

namespace marilo {

struct Pixel {
    int x;
    int y;
    bool operator==(const Pixel&) const = default;
};

enum class ClockVariant { Tray, Preview };

// The boxes of the face at `size` pixels (right and bottom exclusive): the
// dial (0, 0)-(size - 1, size - 1), the shadow one stroke down and right of
// it, the centre, and the width of the pens.
struct ClockBoxes {
    int dialEnd;       // right and bottom of the dial's box
    int shadowOffset;  // left and top of the shadow's box; it ends at size
    int centre;        // x and y of the hands' start
    int pen;
};
ClockBoxes clockBoxesAt(int size);

// The hour-mark pixels at 12, 6, 9 and 3 o'clock, two each at 16 pixels
// (in that order, each from top or left).
std::vector<Pixel> hourMarks(bool frame, int size = 16);

// End points of the hands from the centre; a line stops short of its end
// point.
Pixel hourHandEnd(int hour, int minute, bool frame, int size = 16);
Pixel minuteHandEnd(int minute, ClockVariant variant, int size = 16);

}  // namespace marilo
