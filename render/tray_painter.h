#pragma once
// The tray icon images: the date icons of every display mode drawn on a
// 16-colour surface, the clock on a 24-bit one, each turned into an icon
// through its in-memory image with the transparency mask.

#include <array>

#include "app/tray_controller.h"
#include "platform/gdi.h"
#include "render/icon_image.h"

namespace marilo {

// The standard 16-colour palette in index order, as RGBQUADs.
extern const RGBQUAD kStandardPalette[16];

class TrayPainter final : public TrayImages {
public:
    TrayPainter();
    OwnedIcon dateIcon(const DateIconImage& image) override;
    OwnedIcon clockIcon(const AppSettings& settings, int hour, int minute) override;

    // The image records last built, for inspection.
    const IconImage& dateImage(int slot) const { return dateImages_[static_cast<size_t>(slot)]; }
    const IconImage& clockImage() const { return clockImage_; }

private:
    DibSurface clockSurface_;  // A: 24 bits
    DibSurface dateSurface_;   // B: 4 bits, standard palette
    std::array<IconImage, 10> dateImages_;
    IconImage clockImage_;
};

// Draws the image of one date icon onto a 16-colour surface that has been
// filled with the key index.
void drawDateImage(HDC dc, const DateIconImage& image);

// An icon from an in-memory image; null on failure.
HICON iconFromImage(const IconImage& image);

}  // namespace marilo
