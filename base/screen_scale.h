#pragma once
// The program's windows and pictures are laid out in pixels of a 96-dpi
// screen. On a screen of another dpi every such length is multiplied by the
// real factor dpi / 96 and rounded to the nearest pixel (halves away from
// zero): at 150% a length of 5 becomes 8 and one of -3 becomes -5; lines stay
// one pixel thick. A real factor rather than a whole one keeps what is drawn
// as large on the screen as at 96 dpi at 125% and 175% too.

namespace marilo {

constexpr int kBaseDpi = 96;

constexpr int scaledLength(int length, int dpi) {
    const long long n = static_cast<long long>(length) * dpi;
    return static_cast<int>(n >= 0 ? (n + kBaseDpi / 2) / kBaseDpi : -((-n + kBaseDpi / 2) / kBaseDpi));
}

// The dpi a screen reports, as the layout takes it: a value no screen has
// (0 when the query failed, or beyond 4x) stands for 96.
constexpr int screenDpiOrBase(int reported) { return reported >= 48 && reported <= 4 * kBaseDpi ? reported : kBaseDpi; }

}  // namespace marilo
