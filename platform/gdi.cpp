#include "platform/gdi.h"

#include <cstring>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/font_face.h"
#include "platform/text.h"

namespace marilo {

namespace {

int CALLBACK addFamily(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM out) {
    reinterpret_cast<std::vector<std::string>*>(out)->push_back(narrow(lf->lfFaceName));
    return 1;
}

// The families of `face` (every family when it is empty) that hold the
// Japanese character set. A named face is found under the name the font
// substitutes give it, too.
std::vector<std::string> japaneseFamilies(HDC dc, std::string_view face) {
    LOGFONTW lf{};
    lf.lfCharSet = SHIFTJIS_CHARSET;
    const std::wstring name = widen(face);
    wcsncpy(lf.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    std::vector<std::string> found;
    EnumFontFamiliesExW(dc, &lf, addFamily, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

}  // namespace

std::string japaneseFace(std::string_view face) {
    if (!isJapaneseFace(face)) return std::string(face);
    // Fonts installed while the program runs are not seen until it restarts.
    static std::mutex mutex;
    static std::vector<std::string> installed;
    static std::vector<std::pair<std::string, std::string>> chosen;
    const std::lock_guard<std::mutex> lock(mutex);
    for (const auto& [named, drawn] : chosen)
        if (named == face) return drawn;
    std::vector<std::string> candidates;
    {
        const ScreenDc screen;
        if (installed.empty()) installed = japaneseFamilies(screen.get(), "");
        candidates = installed;
        if (!japaneseFamilies(screen.get(), face).empty()) candidates.emplace_back(face);
    }
    chosen.emplace_back(std::string(face), chooseJapaneseFace(face, candidates));
    return chosen.back().second;
}

Pen solidPen(COLORREF color, int width) { return Pen(CreatePen(PS_SOLID, width, color)); }

Brush solidBrush(COLORREF color) { return Brush(CreateSolidBrush(color)); }

Font pointFont(HDC dc, int points, std::string_view face) {
    if (dc) return pointFont(points, GetDeviceCaps(dc, LOGPIXELSY), face);
    const ScreenDc screen;
    return pointFont(points, GetDeviceCaps(screen.get(), LOGPIXELSY), face);
}

Font pointFont(int points, int dpi, std::string_view face) { return pixelFont(MulDiv(points, dpi, 72), face); }

Font pixelFont(int pixels, std::string_view face) {
    LOGFONTW lf{};
    lf.lfHeight = -pixels;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = NONANTIALIASED_QUALITY;
    const std::wstring name = widen(japaneseFace(face));
    wcsncpy(lf.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    return Font(CreateFontIndirectW(&lf));
}

MemoryDc memoryDcLike(HDC dc) { return MemoryDc(CreateCompatibleDC(dc)); }

DcStateGuard::DcStateGuard(HDC dc)
    : dc_(dc),
      pen_(GetCurrentObject(dc, OBJ_PEN)),
      brush_(GetCurrentObject(dc, OBJ_BRUSH)),
      font_(GetCurrentObject(dc, OBJ_FONT)),
      palette_(static_cast<HPALETTE>(GetCurrentObject(dc, OBJ_PAL))),
      bkColor_(GetBkColor(dc)),
      textColor_(GetTextColor(dc)),
      bkMode_(GetBkMode(dc)) {}

void DcStateGuard::restore() {
    if (!dc_) return;
    SelectObject(dc_, pen_);
    SelectObject(dc_, brush_);
    SelectObject(dc_, font_);
    if (palette_) SelectPalette(dc_, palette_, FALSE);
    SetBkColor(dc_, bkColor_);
    SetTextColor(dc_, textColor_);
    SetBkMode(dc_, bkMode_);
    dc_ = nullptr;
}

DibSurface::DibSurface(int width, int height, int bitsPerPixel, const RGBQUAD* palette)
    : width_(width), height_(height), bpp_(bitsPerPixel) {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[16];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height;  // bottom-up
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.header.biCompression = BI_RGB;
    if (bitsPerPixel <= 4 && palette) {
        info.header.biClrUsed = 16;
        std::memcpy(info.colors, palette, sizeof info.colors);
    }
    void* bits = nullptr;
    dc_ = memoryDcLike(nullptr);
    bitmap_ = Bitmap(CreateDIBSection(dc_.get(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits,
                                      nullptr, 0));
    if (!bitmap_ || !dc_) {
        bitmap_.reset();
        dc_.reset();
        return;
    }
    bits_ = static_cast<unsigned char*>(bits);
    oldBitmap_ = SelectObject(dc_.get(), bitmap_.get());
    SetBkMode(dc_.get(), TRANSPARENT);
}

DibSurface::DibSurface(DibSurface&& o) noexcept
    : dc_(std::move(o.dc_)),
      bitmap_(std::move(o.bitmap_)),
      oldBitmap_(std::exchange(o.oldBitmap_, nullptr)),
      bits_(std::exchange(o.bits_, nullptr)),
      width_(o.width_),
      height_(o.height_),
      bpp_(o.bpp_) {}

DibSurface& DibSurface::operator=(DibSurface&& o) noexcept {
    if (this != &o) {
        deselect();
        dc_ = std::move(o.dc_);
        bitmap_ = std::move(o.bitmap_);
        oldBitmap_ = std::exchange(o.oldBitmap_, nullptr);
        bits_ = std::exchange(o.bits_, nullptr);
        width_ = o.width_;
        height_ = o.height_;
        bpp_ = o.bpp_;
    }
    return *this;
}

DibSurface::~DibSurface() { deselect(); }

void DibSurface::deselect() {
    if (dc_ && oldBitmap_) SelectObject(dc_.get(), oldBitmap_);
    oldBitmap_ = nullptr;
}

}  // namespace marilo
