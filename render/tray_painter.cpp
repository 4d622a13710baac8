#include "render/tray_painter.h"

#include <cstring>
#include <vector>

#include "app/tray_logic.h"
#include "platform/text.h"
#include "platform/win_util.h"
#include "render/clock_face.h"
#include "render/icon_layout.h"

namespace marilo {

const RGBQUAD kStandardPalette[16] = {
    {0, 0, 0, 0},       {0, 0, 128, 0},     {0, 128, 0, 0},   {0, 128, 128, 0},
    {128, 0, 0, 0},     {128, 0, 128, 0},   {128, 128, 0, 0}, {192, 192, 192, 0},
    {128, 128, 128, 0}, {0, 0, 255, 0},     {0, 255, 0, 0},   {0, 255, 255, 0},
    {255, 0, 0, 0},     {255, 0, 255, 0},   {255, 255, 0, 0}, {255, 255, 255, 0},
};

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kGreen = RGB(0, 255, 0);

const char* const kGothic = "ＭＳ ゴシック";

enum Anchor { kCentreTop, kRightBottom, kLeftTop };

// One date image being drawn: the surface, its size and ink, and the
// positions of the 16-pixel design scaled to the size.
struct Canvas {
    HDC dc;
    IconInk ink;
    int s;  // stroke: lines, edges and the shadows' offset

    int at(int designPx) const { return iconScaled(designPx, ink.size); }
    bool dark() const { return ink.theme == TaskbarTheme::Dark; }
    COLORREF onTaskbar(COLORREF c) const { return taskbarInk(c, ink.theme); }
    void pixel(int x, int y, COLORREF c) const { SetPixel(dc, x, y, c); }
    void fill(PixelSpan cols, PixelSpan rows, COLORREF c) const {
        for (int y = rows.first; y <= rows.last; ++y)
            for (int x = cols.first; x <= cols.last; ++x) pixel(x, y, c);
    }
    Font gothic() const { return pixelFont(iconFontPixels(8, ink.size), kGothic); }
    Font small() const { return pixelFont(iconFontPixels(6, ink.size), smallFigureFace(ink.size)); }
};

void text(const Canvas& cv, const std::u16string& s, int x, int y, COLORREF color, Anchor anchor) {
    const UINT align = anchor == kCentreTop ? (TA_CENTER | TA_TOP)
                       : anchor == kRightBottom ? (TA_RIGHT | TA_BOTTOM) : (TA_LEFT | TA_TOP);
    SetTextAlign(cv.dc, align);
    SetTextColor(cv.dc, color);
    TextOutW(cv.dc, x, y, wideText(s), static_cast<int>(s.size()));
}

// A white stroke from lower left to upper right with a grey edge below it.
void diagonalStroke(const Canvas& cv) {
    const int n = cv.ink.size;
    for (int x = 0; x < n; ++x)
        for (int j = 0; j < cv.s; ++j) {
            cv.pixel(x, n - 1 - x - j, kWhite);
            cv.pixel(x, n - x + j, kGrey);
        }
}

// The white sheet with its black edge; on a dark taskbar only its outline,
// light, so that the figure shows in light ink on the taskbar itself.
void calendarPage(const Canvas& cv) {
    const CalendarPage p = calendarPageAt(cv.ink.size);
    const PixelSpan cols = p.sheetColumns, rows = p.sheetRows;
    if (cv.dark()) {
        cv.fill(cols, {rows.first, rows.first + p.stroke - 1}, kSilver);
        cv.fill(cols, {rows.last - p.stroke + 1, rows.last}, kSilver);
        cv.fill({cols.first, cols.first + p.stroke - 1}, rows, kSilver);
        cv.fill({cols.last - p.stroke + 1, cols.last}, rows, kSilver);
        cv.fill(p.edgeColumns, rows, kGrey);
        cv.fill(p.edgeRowColumns, p.edgeRows, kGrey);
    } else {
        cv.fill(cols, rows, kWhite);
        cv.fill(p.edgeColumns, {0, cv.ink.size - 1}, kBlack);
        cv.fill(p.edgeRowColumns, p.edgeRows, kBlack);
    }
    for (int x : p.holeX) cv.fill({x, x + p.stroke - 1}, {0, p.stroke - 1}, cv.ink.key);  // the binding
}

void weekFrame(const Canvas& cv) {
    const WeekFrame f = weekFrameAt(cv.ink.size);
    const int n = cv.ink.size;
    const PixelSpan top{0, f.stroke - 1}, bottom{n - f.stroke, n - 1};
    for (const PixelSpan& along : {f.leading, f.trailing}) {
        cv.fill(along, top, kGreen);
        cv.fill(along, bottom, kGreen);
        cv.fill(top, along, kGreen);
        cv.fill(bottom, along, kGreen);
    }
}

// The big centred figure of the calendar-page modes, with a grey copy under
// light colours on the white sheet.
void pageFigure(const Canvas& cv, const std::u16string& s, COLORREF color, bool shadowIfLight) {
    const Font font = cv.gothic();
    const SelectGuard sel(cv.dc, font.get());
    const int x = cv.at(7), y = cv.at(2);
    if (cv.dark()) {
        text(cv, s, x, y, cv.onTaskbar(color), kCentreTop);
        return;
    }
    if (shadowIfLight && isLightDateColor(color)) text(cv, s, x + cv.s, y + cv.s, kGrey, kCentreTop);
    text(cv, s, x, y, color, kCentreTop);
}

// Day above-left and weekday name below-right, each over its shadow (none
// on a dark taskbar, which is dark enough behind them).
void dayAndWeekday(const Canvas& cv, const IconFigures& f, COLORREF v) {
    const COLORREF shadow = isLightDateColor(v) ? kGrey : kWhite;
    const Font small = cv.small();
    const Font gothic = cv.gothic();
    const int dayX = cv.at(0), dayY = cv.at(-1), nameX = cv.at(15), nameY = cv.at(15);
    if (!cv.dark()) {
        {
            const SelectGuard sel(cv.dc, small.get());
            text(cv, f.first, dayX + cv.s, dayY + cv.s, shadow, kLeftTop);
        }
        const SelectGuard sel(cv.dc, gothic.get());
        text(cv, f.second, nameX + cv.s, nameY + cv.s, shadow, kRightBottom);
    }
    const COLORREF ink = cv.onTaskbar(v);
    {
        const SelectGuard sel(cv.dc, small.get());
        text(cv, f.first, dayX, dayY, ink, kLeftTop);
    }
    const SelectGuard sel(cv.dc, gothic.get());
    text(cv, f.second, nameX, nameY, ink, kRightBottom);
}

void monthAndDay(const Canvas& cv, const IconFigures& f, COLORREF v) {
    const Font small = cv.small();
    const SelectGuard sel(cv.dc, small.get());
    const int monthX = cv.at(0), monthY = cv.at(0), dayX = cv.at(15), dayY = cv.at(16);
    if (!cv.dark()) {
        text(cv, f.first, monthX + cv.s, monthY + cv.s, kWhite, kLeftTop);
        text(cv, f.second, dayX + cv.s, dayY + cv.s, isLightDateColor(v) ? kGrey : kWhite, kRightBottom);
    }
    text(cv, f.first, monthX, monthY, cv.onTaskbar(kBlack), kLeftTop);
    text(cv, f.second, dayX, dayY, cv.onTaskbar(v), kRightBottom);
}

}  // namespace

void drawDateImage(HDC dc, const DateIconImage& img, const IconInk& ink) {
    const DcStateGuard state(dc);
    SetBkMode(dc, TRANSPARENT);
    const Canvas cv{dc, ink, iconStroke(ink.size)};
    const COLORREF v = img.color;
    switch (img.mode) {
        case kModeMonthDay:
        case kModeDayWeekday:
        case kModeWeek: diagonalStroke(cv); break;
        case kModeDay:
        case kModeTwoIcons:
        case kModeThreeIcons:
        case kModeFourIcons: calendarPage(cv); break;
        default: break;
    }
    switch (img.mode) {
        case kModeDay: pageFigure(cv, img.figures.first, v, true); break;
        case kModeMonthDay: monthAndDay(cv, img.figures, v); break;
        case kModeDayWeekday: dayAndWeekday(cv, img.figures, v); break;
        case kModeTwoIcons:
        case kModeThreeIcons:
        case kModeFourIcons: {
            const int last = dateIconCount(img.mode) - 1;
            if (img.k == last) pageFigure(cv, img.figures.first, v, true);
            else pageFigure(cv, img.figures.first, kBlack, false);
            break;
        }
        case kModeWeek:
            if (img.todayFrame) weekFrame(cv);
            dayAndWeekday(cv, img.figures, v);
            break;
        default: break;
    }
}

HICON iconFromImage(const IconImage& image) {
    std::vector<uint8_t> alpha = image.withAlpha();
    auto* bytes = alpha.data();
    const DWORD size = static_cast<DWORD>(alpha.size());
    const int n = image.sizePx();
    HICON icon = CreateIconFromResourceEx(bytes, size, TRUE, 0x00030000, n, n, LR_DEFAULTCOLOR);
    if (!icon) icon = CreateIconFromResourceEx(bytes, size, TRUE, 0x00030000, 0, 0, LR_DEFAULTSIZE);
    return icon;
}

TrayPainter::TrayPainter(int size, TaskbarTheme theme) { configure(size, theme); }

void TrayPainter::configure(int size, TaskbarTheme theme) {
    if (size < 1) size = kIconSize;
    if (size == size_ && theme == theme_ && clockSurface_) return;
    size_ = size;
    theme_ = theme;
    clockSurface_ = DibSurface(size, size, 24);
    // Light: the standard 16 colours. Dark: 24 bits, as a rule's colour
    // lightened for the taskbar is rarely one of the 16.
    dateSurface_ = theme == TaskbarTheme::Dark ? DibSurface(size, size, 24)
                                                : DibSurface(size, size, 4, kStandardPalette);
    for (IconImage& record : dateImages_) record = IconImage();
    clockImage_ = IconImage();
}

namespace {

OwnedIcon owned(HICON icon) {
    return OwnedIcon(icon, [](void* h, void*) { DestroyIcon(static_cast<HICON>(h)); });
}

}  // namespace

OwnedIcon TrayPainter::dateIcon(const DateIconImage& img) {
    if (img.resourceId != 0) return owned(loadIconResource(img.resourceId, size_).release());
    if (!dateSurface_ || img.slot < 0 || img.slot >= static_cast<int>(dateImages_.size())) return {};
    const bool trueColour = theme_ == TaskbarTheme::Dark;
    IconImage& record = dateImages_[static_cast<size_t>(img.slot)];
    if (record.empty()) record = IconImage(trueColour ? 24 : 4, size_);
    GdiFlush();
    const uint8_t fillByte = trueColour ? kKeyByte24 : static_cast<uint8_t>(kKeyIndex << 4 | kKeyIndex);
    std::memset(dateSurface_.bits(), fillByte, static_cast<size_t>(dateSurface_.byteSize()));
    drawDateImage(dateSurface_.dc(), img, IconInk{size_, theme_, trueColour ? kKeyColor24 : kKey4});
    GdiFlush();
    if (trueColour) record.setFrom24Bit(dateSurface_.bits());
    else record.setFrom4Bit(dateSurface_.bits(), reinterpret_cast<const uint8_t*>(kStandardPalette));
    return owned(iconFromImage(record));
}

OwnedIcon TrayPainter::clockIcon(const AppSettings& settings, int hour, int minute) {
    if (!clockSurface_) return {};
    if (clockImage_.empty()) clockImage_ = IconImage(24, size_);
    GdiFlush();
    std::memset(clockSurface_.bits(), kKeyByte24, static_cast<size_t>(clockSurface_.byteSize()));
    drawClockFace(clockSurface_.dc(), clockOnTaskbar(settings, theme_), hour, minute, ClockVariant::Tray, size_);
    GdiFlush();
    clockImage_.setFrom24Bit(clockSurface_.bits());
    return owned(iconFromImage(clockImage_));
}

AppSettings clockOnTaskbar(const AppSettings& settings, TaskbarTheme theme) {
    AppSettings s = settings;
    // On its dial the face keeps its colours; without one, the hands, marks
    // and rim are drawn on the taskbar itself.
    if (s.IsPlate) return s;
    s.ColLong = taskbarInk(s.ColLong, theme);
    s.ColShort = taskbarInk(s.ColShort, theme);
    s.ColTicks = taskbarInk(s.ColTicks, theme);
    s.ColFrame = taskbarInk(s.ColFrame, theme);
    return s;
}

}  // namespace marilo
