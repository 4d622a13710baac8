#include "render/clock_geometry.h"

#include <cmath>

namespace marilo {

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

Pixel handEnd(double degrees, double length) {
    const double a = degrees * kRadiansPerDegree;
    return {static_cast<int>(7 + length * std::cos(a)), static_cast<int>(7 - length * std::sin(a))};
}

}  // namespace

std::array<Pixel, 8> hourMarks(bool frame) {
    if (frame) return {{{7, 1}, {7, 2}, {7, 12}, {7, 13}, {1, 7}, {2, 7}, {12, 7}, {13, 7}}};
    return {{{7, 0}, {7, 1}, {7, 13}, {7, 14}, {0, 7}, {1, 7}, {13, 7}, {14, 7}}};
}

Pixel hourHandEnd(int hour, int minute, bool frame) {
    const double a = 90.0 - (hour % 12 + minute / 60.0) * 30.0;
    return handEnd(a, frame ? 5.0 : 6.0);
}

Pixel minuteHandEnd(int minute, ClockVariant variant) {
    const double a = 90.0 - minute * 6;
    return handEnd(a, variant == ClockVariant::Tray ? 8.5 : 8.0);
}

}  // namespace marilo
