#include "render/clock_face.h"

#include "platform/gdi.h"
#include "render/icon_image.h"

namespace marilo {

namespace {

constexpr COLORREF kShadowGrey = RGB(128, 128, 128);

void ellipse(HDC dc, COLORREF outline, const Brush* fill, int l, int t, int r, int b) {
    const Pen pen = solidPen(outline);
    const SelectGuard penSel(dc, pen.get());
    const SelectGuard brushSel(dc, fill ? fill->get() : GetStockObject(HOLLOW_BRUSH));
    Ellipse(dc, l, t, r, b);
}

void line(HDC dc, COLORREF color, Pixel from, Pixel to) {
    const Pen pen = solidPen(color);
    const SelectGuard sel(dc, pen.get());
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
}

}  // namespace

void drawClockFace(HDC dc, const AppSettings& s, int hour, int minute, ClockVariant variant) {
    if (s.IsShadow) {
        if (s.IsPlate) {
            const Brush grey = solidBrush(kShadowGrey);
            ellipse(dc, kShadowGrey, &grey, 1, 1, 16, 16);
        } else if (variant == ClockVariant::Tray) {
            const Brush key = solidBrush(kKeyColor24);
            ellipse(dc, kShadowGrey, &key, 1, 1, 16, 16);
        } else {
            ellipse(dc, kShadowGrey, nullptr, 1, 1, 16, 16);
        }
    }
    if (s.IsPlate) {
        const Brush plate = solidBrush(s.ColPlate);
        ellipse(dc, s.ColPlate, &plate, 0, 0, 15, 15);
    }
    if (s.IsFrame) ellipse(dc, s.ColFrame, nullptr, 0, 0, 15, 15);
    if (s.IsTicks)
        for (const Pixel& p : hourMarks(s.IsFrame)) SetPixel(dc, p.x, p.y, s.ColTicks);
    const Pixel centre{7, 7};
    line(dc, s.ColShort, centre, hourHandEnd(hour, minute, s.IsFrame));
    line(dc, s.ColLong, centre, minuteHandEnd(minute, variant));
}

}  // namespace marilo
