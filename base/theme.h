#pragma once
// The look the system asks of a program's own painting, and the colours it
// gives the pictures Marilo draws (the graph, the calendar strip, the month
// picture, the alert window, the date icons). Light is the look the program
// was made with. The dark app theme turns the month picture dark and keeps
// the user's date colours, lightened where needed, readable at a contrast
// of 4.5:1 against it; the graph is dark already. High contrast overrides
// both: everything is drawn in the system's colours of that theme (window,
// window text, highlight, grey text), without the user's colours and
// without the coloured pictures (moon, marks). The stored colours are never
// changed: only what is drawn with them.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace marilo {

// 0x00BBGGRR colours of a high-contrast theme.
struct SystemColors {
    uint32_t window = 0xFFFFFF;
    uint32_t windowText = 0x000000;
    uint32_t highlight = 0xD77800;
    uint32_t highlightText = 0xFFFFFF;
    uint32_t grayText = 0x6D6D6D;
    bool operator==(const SystemColors&) const = default;
};

struct Theme {
    bool darkApps = false;      // AppsUseLightTheme = 0
    bool highContrast = false;  // SPI_GETHIGHCONTRAST's HCF_HIGHCONTRASTON
    SystemColors system;        // taken while high contrast is on
    bool operator==(const Theme&) const = default;
};

struct Palette {
    bool systemColors = false;  // high contrast: no user colours, no coloured pictures
    bool dark = false;          // a dark window frame (title bar) goes with it
    // The graph.
    uint32_t graphPlate, graphGrid, graphAxis, graphCurve, graphWatermark, graphMarkLabel, graphNowLabel,
        graphNumbers, graphTitle, graphNowMark, graphExtremeMark;
    // The graph over several days: night and civil twilight filled under
    // the grid, the midnight lines, the moonrise and moonset marks. With
    // systemColors nothing is filled: night and twilight are their edges,
    // drawn as lines in their colours.
    uint32_t graphNight, graphTwilight, graphMidnight, graphMoonMark;
    // The month picture.
    uint32_t monthPaper, monthOutside, monthGrid, monthText, monthWaters, monthToday;
    // The alert window's background (when systemColors; else its own
    // shading) and its text.
    uint32_t alertBack, alertText;
    // The menu's calendar strip: the buttons' light and dark edges and glyphs.
    uint32_t stripLight, stripDark, stripGlyph;
};

namespace theme_detail {
inline double channel(uint32_t c, int shift) {
    const double v = ((c >> shift) & 0xFF) / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
}  // namespace theme_detail

// The relative luminance of a colour and the contrast ratio of two, as the
// accessibility guidelines define them (1 .. 21).
inline double luminance(uint32_t c) {
    return 0.2126 * theme_detail::channel(c, 0) + 0.7152 * theme_detail::channel(c, 8) +
           0.0722 * theme_detail::channel(c, 16);
}
inline double contrastRatio(uint32_t a, uint32_t b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Where the windows read the theme: the system (platform/system_theme.h),
// or a double in tests.
class ThemeSource {
public:
    virtual ~ThemeSource() = default;
    virtual Theme theme() = 0;
};

// `color` as it is drawn on `background` to be read: itself when it stands
// out by `ratio`, otherwise mixed toward white (on a dark background) or
// black (on a light one) by the least twentieth that does.
inline uint32_t readableOn(uint32_t color, uint32_t background, double ratio = 4.5) {
    if (contrastRatio(color, background) >= ratio) return color;
    const uint32_t target = luminance(background) < 0.18 ? 0xFFFFFF : 0x000000;
    uint32_t mixed = color;
    for (int step = 1; step <= 20; ++step) {
        mixed = 0;
        for (int shift : {0, 8, 16}) {
            const int from = (color >> shift) & 0xFF, to = (target >> shift) & 0xFF;
            mixed |= static_cast<uint32_t>(from + (to - from) * step / 20) << shift;
        }
        if (contrastRatio(mixed, background) >= ratio) break;
    }
    return mixed;
}

// The look the program was made with.
constexpr Palette lightPalette() {
    Palette p{};
    // The graph is drawn on black.
    p.graphPlate = 0x000000, p.graphGrid = 0x202020, p.graphAxis = 0x808080, p.graphCurve = 0xFF3232;
    p.graphWatermark = 0x101010, p.graphMarkLabel = 0x505050, p.graphNowLabel = 0x00C0C0;
    p.graphNumbers = 0xC0C0C0, p.graphTitle = 0xFFFFFF, p.graphNowMark = 0x00FFFF, p.graphExtremeMark = 0x40A0FF;
    p.graphNight = 0x502018, p.graphTwilight = 0x2C100C, p.graphMidnight = 0x60A0A0, p.graphMoonMark = 0x80D0E0;
    p.monthPaper = 0xFFFFFF, p.monthOutside = 0xECECEC, p.monthGrid = 0xA0A0A0, p.monthText = 0x000000;
    p.monthWaters = 0x404040, p.monthToday = 0x00A000;
    p.alertBack = 0x000000, p.alertText = 0xFFFFFF;
    p.stripLight = 0xFFFFFF, p.stripDark = 0x000000, p.stripGlyph = 0x000000;
    return p;
}

inline Palette paletteOf(const Theme& t) {
    Palette p = lightPalette();
    if (t.highContrast) {
        const SystemColors& s = t.system;
        p.systemColors = true;
        p.dark = luminance(s.window) < 0.18;
        p.graphPlate = s.window, p.graphGrid = s.grayText, p.graphAxis = s.windowText, p.graphCurve = s.highlight;
        p.graphWatermark = s.grayText, p.graphMarkLabel = s.windowText, p.graphNowLabel = s.highlight;
        p.graphNumbers = s.windowText, p.graphTitle = s.windowText, p.graphNowMark = s.highlight;
        p.graphExtremeMark = s.windowText;
        p.graphNight = s.grayText, p.graphTwilight = s.grayText, p.graphMidnight = s.windowText;
        p.graphMoonMark = s.windowText;
        p.monthPaper = s.window, p.monthOutside = s.window, p.monthGrid = s.grayText, p.monthText = s.windowText;
        p.monthWaters = s.windowText, p.monthToday = s.highlight;
        p.alertBack = s.window, p.alertText = s.windowText;
        p.stripLight = s.windowText, p.stripDark = s.windowText, p.stripGlyph = s.windowText;
        return p;
    }
    // The graph is drawn on black in either theme; the month turns dark.
    if (t.darkApps) {
        p.dark = true;
        p.monthPaper = 0x202020, p.monthOutside = 0x2D2D2D, p.monthGrid = 0x606060, p.monthText = 0xE6E6E6;
        p.monthWaters = 0xC8C8C8, p.monthToday = 0x50C850;
    }
    return p;
}

// A user's colour (a date rule's; 0 for none, which draws as `plain`) as
// drawn on `background` with the palette: the system's text colour in high
// contrast, made readable on a dark palette, as it is on the light one.
inline uint32_t userColorOn(const Palette& p, uint32_t color, uint32_t plain, uint32_t background) {
    if (p.systemColors || color == 0) return plain;
    return p.dark ? readableOn(color, background) : color;
}

}  // namespace marilo
