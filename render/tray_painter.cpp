#include "render/tray_painter.h"

#include <cstring>

#include "app/tray_logic.h"
#include "platform/text.h"
#include "platform/win_util.h"
#include "render/clock_face.h"

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
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kKey = RGB(128, 0, 0);

const char* const kGothic = "ＭＳ ゴシック";
const char* const kSmallFonts = "Small Fonts";

enum Anchor { kCentreTop, kRightBottom, kLeftTop };

void text(HDC dc, const std::string& s, int x, int y, COLORREF color, Anchor anchor) {
    const UINT align = anchor == kCentreTop ? (TA_CENTER | TA_TOP)
                       : anchor == kRightBottom ? (TA_RIGHT | TA_BOTTOM) : (TA_LEFT | TA_TOP);
    SetTextAlign(dc, align);
    SetTextColor(dc, color);
    const std::wstring w = widen(s);
    TextOutW(dc, x, y, w.c_str(), static_cast<int>(w.size()));
}

void diagonalStroke(HDC dc) {
    for (int x = 0; x < 16; ++x) {
        SetPixel(dc, x, 15 - x, kWhite);
        SetPixel(dc, x, 16 - x, kGrey);
    }
}

void calendarPage(HDC dc) {
    for (int y = 0; y <= 14; ++y)
        for (int x = 0; x <= 13; ++x) SetPixel(dc, x, y, kWhite);
    for (int y = 0; y <= 15; ++y) SetPixel(dc, 14, y, kBlack);
    for (int x = 1; x <= 14; ++x) SetPixel(dc, x, 15, kBlack);
    for (int x = 1; x <= 11; x += 2) SetPixel(dc, x, 0, kKey);  // the binding's holes
}

void weekFrame(HDC dc) {
    for (int i : {0, 1, 2, 3, 4, 12, 13, 14, 15}) {
        SetPixel(dc, i, 0, kGreen);
        SetPixel(dc, i, 15, kGreen);
        SetPixel(dc, 0, i, kGreen);
        SetPixel(dc, 15, i, kGreen);
    }
}

// The big centred figure of the calendar-page modes, with a grey copy under
// light colours.
void pageFigure(HDC dc, const std::string& s, COLORREF color, bool shadowIfLight) {
    const Font font = pointFont(dc, 8, kGothic);
    const SelectGuard sel(dc, font.get());
    if (shadowIfLight && isLightDateColor(color)) text(dc, s, 8, 3, kGrey, kCentreTop);
    text(dc, s, 7, 2, color, kCentreTop);
}

void dayAndWeekday(HDC dc, const IconFigures& f, COLORREF v) {
    const COLORREF shadow = isLightDateColor(v) ? kGrey : kWhite;
    const Font small = pointFont(dc, 6, kSmallFonts);
    const Font gothic = pointFont(dc, 8, kGothic);
    {
        const SelectGuard sel(dc, small.get());
        text(dc, f.first, 1, 0, shadow, kLeftTop);
    }
    {
        const SelectGuard sel(dc, gothic.get());
        text(dc, f.second, 16, 16, shadow, kRightBottom);
    }
    {
        const SelectGuard sel(dc, small.get());
        text(dc, f.first, 0, -1, v, kLeftTop);
    }
    const SelectGuard sel(dc, gothic.get());
    text(dc, f.second, 15, 15, v, kRightBottom);
}

}  // namespace

void drawDateImage(HDC dc, const DateIconImage& img) {
    const DcStateGuard state(dc);
    SetBkMode(dc, TRANSPARENT);
    const COLORREF v = img.color;
    switch (img.mode) {
        case kModeMonthDay:
        case kModeDayWeekday:
        case kModeWeek: diagonalStroke(dc); break;
        case kModeDay:
        case kModeTwoIcons:
        case kModeThreeIcons:
        case kModeFourIcons: calendarPage(dc); break;
        default: break;
    }
    switch (img.mode) {
        case kModeDay: pageFigure(dc, img.figures.first, v, true); break;
        case kModeMonthDay: {
            const Font small = pointFont(dc, 6, kSmallFonts);
            const SelectGuard sel(dc, small.get());
            text(dc, img.figures.first, 1, 1, kWhite, kLeftTop);
            text(dc, img.figures.second, 16, 17, isLightDateColor(v) ? kGrey : kWhite, kRightBottom);
            text(dc, img.figures.first, 0, 0, kBlack, kLeftTop);
            text(dc, img.figures.second, 15, 16, v, kRightBottom);
            break;
        }
        case kModeDayWeekday: dayAndWeekday(dc, img.figures, v); break;
        case kModeTwoIcons:
        case kModeThreeIcons:
        case kModeFourIcons: {
            const int last = dateIconCount(img.mode) - 1;
            if (img.k == last) pageFigure(dc, img.figures.first, v, true);
            else pageFigure(dc, img.figures.first, kBlack, false);
            break;
        }
        case kModeWeek:
            if (img.todayFrame) weekFrame(dc);
            dayAndWeekday(dc, img.figures, v);
            break;
        default: break;
    }
}

HICON iconFromImage(const IconImage& image) {
    auto* bytes = const_cast<PBYTE>(image.data());
    const DWORD size = static_cast<DWORD>(image.size());
    HICON icon = CreateIconFromResourceEx(bytes, size, TRUE, 0x00030000, kIconSize, kIconSize, LR_DEFAULTCOLOR);
    if (!icon) icon = CreateIconFromResourceEx(bytes, size, TRUE, 0x00030000, 0, 0, LR_DEFAULTSIZE);
    return icon;
}

TrayPainter::TrayPainter()
    : clockSurface_(kIconSize, kIconSize, 24), dateSurface_(kIconSize, kIconSize, 4, kStandardPalette) {}

namespace {

OwnedIcon owned(HICON icon) {
    return OwnedIcon(icon, [](void* h, void*) { DestroyIcon(static_cast<HICON>(h)); });
}

}  // namespace

OwnedIcon TrayPainter::dateIcon(const DateIconImage& img) {
    if (img.resourceId != 0) return owned(loadIconResource(img.resourceId, kIconSize).release());
    if (!dateSurface_ || img.slot < 0 || img.slot >= static_cast<int>(dateImages_.size())) return {};
    IconImage& record = dateImages_[static_cast<size_t>(img.slot)];
    if (record.empty()) record = IconImage(4);
    GdiFlush();
    std::memset(dateSurface_.bits(), kKeyIndex << 4 | kKeyIndex, static_cast<size_t>(dateSurface_.byteSize()));
    drawDateImage(dateSurface_.dc(), img);
    GdiFlush();
    record.setFrom4Bit(dateSurface_.bits(), reinterpret_cast<const uint8_t*>(kStandardPalette));
    return owned(iconFromImage(record));
}

OwnedIcon TrayPainter::clockIcon(const AppSettings& settings, int hour, int minute) {
    if (!clockSurface_) return {};
    if (clockImage_.empty()) clockImage_ = IconImage(24);
    GdiFlush();
    std::memset(clockSurface_.bits(), kKeyByte24, static_cast<size_t>(clockSurface_.byteSize()));
    drawClockFace(clockSurface_.dc(), settings, hour, minute, ClockVariant::Tray);
    GdiFlush();
    clockImage_.setFrom24Bit(clockSurface_.bits());
    return owned(iconFromImage(clockImage_));
}

}  // namespace marilo
