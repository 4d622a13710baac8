#pragma once
// How the tray icons are laid out at the small-icon size of the monitor:
// 16 pixels at 96 dpi, 20 at 120, 24 at 144, 32 at 192 and so on. Every
// position of the 16-pixel design is scaled by size / 16 and rounded, lines
// and edges grow one pixel per 16, fonts keep their point size at the
// icon's own dpi. At 16 pixels every function gives the 16-pixel design
// unchanged.

#include <string_view>

namespace marilo {

constexpr int kDesignIconSize = 16;

// The small-icon size at a dpi: 16 x dpi / 96, rounded; 16 for a dpi that
// is not positive.
int trayIconSizeForDpi(int dpi);

// A coordinate of the 16-pixel design at `size` pixels (rounded half away
// from zero).
int iconScaled(int designPx, int size);

// Width of lines, edges and the shadows' offset: one pixel per 16.
int iconStroke(int size);

// Pixel height of a font of `points` at the icon's dpi (96 x size / 16).
int iconFontPixels(int points, int size);

// The face of the small figures (day and month in the diagonal modes): the
// bitmap "Small Fonts" at 16 pixels, an outline face above, where the
// bitmap face would only be enlarged.
std::string_view smallFigureFace(int size);

// Rows and columns are inclusive ranges of pixels.
struct PixelSpan {
    int first;
    int last;
    bool operator==(const PixelSpan&) const = default;
};

// The calendar page of the day modes: a white sheet, its edge on the right
// and below (one stroke wide, one stroke in from the icon's right edge and
// flush with its bottom), and six binding holes along the top row.
struct CalendarPage {
    PixelSpan sheetColumns;  // the sheet
    PixelSpan sheetRows;
    PixelSpan edgeColumns;   // the right edge, over all rows
    PixelSpan edgeRows;      // the bottom edge
    PixelSpan edgeRowColumns;
    int holeX[6];            // left column of each hole, stroke wide and high
    int stroke;
};
CalendarPage calendarPageAt(int size);

// The week mode's frame around today: four corner brackets along the
// icon's edges, each covering `leading` and `trailing`.
struct WeekFrame {
    PixelSpan leading;
    PixelSpan trailing;
    int stroke;
};
WeekFrame weekFrameAt(int size);

}  // namespace marilo
