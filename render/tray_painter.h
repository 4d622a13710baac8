#pragma once
// The tray icon images: the date icons of every display mode drawn on a
// 16-colour surface (24 bits on a dark taskbar), the clock on a 24-bit one,
// each turned into an icon through its in-memory image with the
// transparency mask, at the tray's icon size and for its taskbar.

#include <array>

#include "app/tray_controller.h"
#include "platform/gdi.h"
#include "render/icon_image.h"
#include "render/taskbar_ink.h"

namespace marilo {

// The standard 16-colour palette in index order, as RGBQUADs.
extern const RGBQUAD kStandardPalette[16];

class TrayPainter final : public TrayImages {
public:
    explicit TrayPainter(int size = kIconSize, TaskbarTheme theme = TaskbarTheme::Light);
    // Draws from now on at this size for this taskbar (the images are made
    // again on their next request).
    void configure(int size, TaskbarTheme theme);
    int size() const { return size_; }
    TaskbarTheme theme() const { return theme_; }
    OwnedIcon dateIcon(const DateIconImage& image) override;
    OwnedIcon clockIcon(const AppSettings& settings, int hour, int minute) override;

    // The image records last built, for inspection.
    const IconImage& dateImage(int slot) const { return dateImages_[static_cast<size_t>(slot)]; }
    const IconImage& clockImage() const { return clockImage_; }

private:
    int size_ = 0;
    TaskbarTheme theme_ = TaskbarTheme::Light;
    DibSurface clockSurface_;  // A: 24 bits
    DibSurface dateSurface_;   // B: 4 bits, standard palette; 24 bits when dark
    std::array<IconImage, 10> dateImages_;
    IconImage clockImage_;
};

// The key colour of the 16-colour surface (palette index 1, dark red).
constexpr COLORREF kKey4 = RGB(128, 0, 0);

// How a date image is drawn: its size, its taskbar and the surface's
// transparent key colour.
struct IconInk {
    int size = kIconSize;
    TaskbarTheme theme = TaskbarTheme::Light;
    COLORREF key = kKey4;
};

// Draws the image of one date icon onto a surface filled with the key.
void drawDateImage(HDC dc, const DateIconImage& image, const IconInk& ink = {});

// The clock settings as the tray draws them on this taskbar.
AppSettings clockOnTaskbar(const AppSettings& settings, TaskbarTheme theme);

// An icon from an in-memory image; null on failure.
HICON iconFromImage(const IconImage& image);

}  // namespace marilo
