#include "render/clock_face.h"

#include "platform/gdi.h"
#include "render/icon_image.h"

namespace marilo {

namespace {

constexpr COLORREF kShadowGrey = RGB(128, 128, 128);

void ellipse(HDC dc, COLORREF outline, int width, const Brush* fill, int l, int t, int r, int b) {
    const Pen pen = solidPen(outline, width);
    const SelectGuard penSel(dc, pen.get());
    const SelectGuard brushSel(dc, fill ? fill->get() : GetStockObject(HOLLOW_BRUSH));
    Ellipse(dc, l, t, r, b);
}

void line(HDC dc, COLORREF color, int width, Pixel from, Pixel to) {
    const Pen pen = solidPen(color, width);
    const SelectGuard sel(dc, pen.get());
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
}

}  // namespace

void drawClockFace(HDC dc, const AppSettings& s, int hour, int minute, ClockVariant variant, int size) {
    const ClockBoxes box = clockBoxesAt(size);
    const int w = box.pen;
    const int o = box.shadowOffset;
    if (s.IsShadow) {
        if (s.IsPlate) {
            const Brush grey = solidBrush(kShadowGrey);
            ellipse(dc, kShadowGrey, w, &grey, o, o, size, size);
        } else if (variant == ClockVariant::Tray) {
            const Brush key = solidBrush(kKeyColor24);
            ellipse(dc, kShadowGrey, w, &key, o, o, size, size);
        } else {
            ellipse(dc, kShadowGrey, w, nullptr, o, o, size, size);
        }
    }
    if (s.IsPlate) {
        const Brush plate = solidBrush(s.ColPlate);
        ellipse(dc, s.ColPlate, w, &plate, 0, 0, box.dialEnd, box.dialEnd);
    }
    if (s.IsFrame) ellipse(dc, s.ColFrame, w, nullptr, 0, 0, box.dialEnd, box.dialEnd);
    if (s.IsTicks)
        for (const Pixel& p : hourMarks(s.IsFrame, size)) SetPixel(dc, p.x, p.y, s.ColTicks);
    const Pixel centre{box.centre, box.centre};
    line(dc, s.ColShort, w, centre, hourHandEnd(hour, minute, s.IsFrame, size));
    line(dc, s.ColLong, w, centre, minuteHandEnd(minute, variant, size));
}

}  // namespace marilo
