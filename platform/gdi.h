#pragma once
// Drawing objects created for one drawing routine and released with it.

#include <string>
#include <string_view>

#include "platform/handle.h"

namespace marilo {

// The face that draws Japanese text named `face` on this system (see
// platform/font_face.h); other faces come back as named. The installed
// families are listed once per process. pointFont and pixelFont use it.
std::string japaneseFace(std::string_view face);

Pen solidPen(COLORREF color, int width = 1);
Brush solidBrush(COLORREF color);
// A font of the given point size on the device of dc; face is cp932 text.
Font pointFont(HDC dc, int points, std::string_view face);
// The same for a screen of `dpi`, whatever surface it is drawn on.
Font pointFont(int points, int dpi, std::string_view face);
// A font whose characters are `pixels` high, whatever the device's dpi.
Font pixelFont(int pixels, std::string_view face);
MemoryDc memoryDcLike(HDC dc);  // dc may be null: compatible with the screen

// Selects an object into a surface and puts the previous one back when it
// goes out of scope. Declare it after the owner of the object, so the object
// is deselected before it is deleted.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectGuard() {
        if (dc_ && old_) SelectObject(dc_, old_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Records a surface's selected pen, brush, font and palette, its background
// colour and mode and its text colour, and sets them all back on restore()
// or when destroyed unrestored.
class DcStateGuard {
public:
    explicit DcStateGuard(HDC dc);
    ~DcStateGuard() { restore(); }
    DcStateGuard(const DcStateGuard&) = delete;
    DcStateGuard& operator=(const DcStateGuard&) = delete;
    void restore();

private:
    HDC dc_;
    HGDIOBJ pen_, brush_, font_;
    HPALETTE palette_;
    COLORREF bkColor_, textColor_;
    int bkMode_;
};

// A device-independent bitmap with its pixels in our memory, selected into
// its own memory surface for as long as it lives.
class DibSurface {
public:
    DibSurface() = default;
    // bitsPerPixel 4 (with the given 16-entry palette, 0x00RRGGBB quads in
    // RGBQUAD order) or 24. Rows are stored bottom-up, as Windows keeps them.
    DibSurface(int width, int height, int bitsPerPixel, const RGBQUAD* palette = nullptr);
    DibSurface(DibSurface&&) noexcept;
    DibSurface& operator=(DibSurface&&) noexcept;
    ~DibSurface();
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    explicit operator bool() const { return static_cast<bool>(bitmap_); }
    HDC dc() const { return dc_.get(); }
    unsigned char* bits() const { return bits_; }
    int width() const { return width_; }
    int height() const { return height_; }
    int bitsPerPixel() const { return bpp_; }
    int stride() const { return ((width_ * bpp_ + 31) / 32) * 4; }
    int byteSize() const { return stride() * height_; }

private:
    void deselect();
    MemoryDc dc_;
    Bitmap bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
    unsigned char* bits_ = nullptr;
    int width_ = 0, height_ = 0, bpp_ = 0;
};

}  // namespace marilo
