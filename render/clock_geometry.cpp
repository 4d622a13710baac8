#include "render/clock_geometry.h"

#include <cmath>

#include "engine/angles.h"
#include "render/icon_layout.h"

namespace marilo {

namespace {

Pixel handEnd(double degrees, double length, int size) {
    const double a = degrees * kRadiansPerDegree;
    const double c = clockBoxesAt(size).centre;
    const double l = length * size / kDesignIconSize;
    return {static_cast<int>(c + l * std::cos(a)), static_cast<int>(c - l * std::sin(a))};
}

}  // namespace

ClockBoxes clockBoxesAt(int size) {
    const int s = iconStroke(size);
    return {size - 1, s, (size - 1) / 2, s};
}

std::vector<Pixel> hourMarks(bool frame, int size) {
    const int c = clockBoxesAt(size).centre;
    const int length = iconScaled(2, size);
    const int inset = frame ? iconStroke(size) : 0;
    const int nearStart = inset;
    const int farStart = size - 2 - inset - (length - 1);
    std::vector<Pixel> marks;
    for (int i = 0; i < length; ++i) marks.push_back({c, nearStart + i});
    for (int i = 0; i < length; ++i) marks.push_back({c, farStart + i});
    for (int i = 0; i < length; ++i) marks.push_back({nearStart + i, c});
    for (int i = 0; i < length; ++i) marks.push_back({farStart + i, c});
    return marks;
}

Pixel hourHandEnd(int hour, int minute, bool frame, int size) {
    const double a = 90.0 - (hour % 12 + minute / 60.0) * 30.0;
    return handEnd(a, frame ? 5.0 : 6.0, size);
}

Pixel minuteHandEnd(int minute, ClockVariant variant, int size) {
    const double a = 90.0 - minute * 6;
    return handEnd(a, variant == ClockVariant::Tray ? 8.5 : 8.0, size);
}

}  // namespace marilo
