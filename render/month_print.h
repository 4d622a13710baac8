#pragma once
// The month picture laid out for a printed page: the picture as large as the
// page's printable area allows, centred across it at its top, and under it
// the port and the month, the line that the program is not for navigation,
// and where the tide data comes from. Device pixels throughout; the fonts'
// point sizes are pixels at the layout's dpi (Scene::dpi), so a text of p
// points stands p x layoutDpi / deviceDpi points high on the paper.

#include "render/month_geometry.h"
#include "render/scene.h"

namespace marilo {

// A page as the printer reports it: its whole size and the printable
// rectangle in it (right and bottom exclusive), at a resolution of `dpi`
// pixels per inch both ways.
struct PrintPage {
    int width = 0, height = 0;
    int printLeft = 0, printTop = 0, printRight = 0, printBottom = 0;
    int dpi = 0;

    // A paper of the given size in millimetres, with an unprintable margin
    // of `marginMm` on every side.
    static PrintPage ofPaper(double widthMm, double heightMm, double marginMm, int dpi);
    static PrintPage a4(int dpi) { return ofPaper(210, 297, 4.23, dpi); }
    static PrintPage letter(int dpi) { return ofPaper(215.9, 279.4, 4.23, dpi); }
};

// The texts under the picture.
constexpr const char16_t* kNotForNavigation = u"本プログラムは航海用途には適しません。";
constexpr const char16_t* kDataAttribution[] = {
    u"調和定数: TICON-4 (Hart-Davis, Dettmering, Seitz 2025, CC BY 4.0)、NOAA CO-OPS ほか。",
    u"出典と変更の詳細は同梱の NOTICE をご覧ください。",
};

// The page's scene, in the page's coordinates (the printable area's
// top-left corner at (printLeft, printTop)), Scene::dpi the layout's.
Scene monthPrintScene(const MonthPicture& picture, const PrintPage& page);

}  // namespace marilo
