#pragma once
// The in-memory icon image of one square tray icon (16 x 16 at 96 dpi, the
// monitor's small-icon size otherwise): a bitmap information
// header for twice the height, the colour table (16 entries at 4 bits per
// pixel, none at 24), the colour rows and the 1-bit transparency mask, rows
// bottom-up and padded to 4 bytes, in one contiguous buffer as the system's
// icon-from-memory call takes it.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace marilo {

constexpr int kIconSize = 16;
// Palette index of the transparent key on the 16-colour surface (dark red),
// and the key colour of the 24-bit clock surface.
constexpr uint8_t kKeyIndex = 1;
constexpr uint8_t kKeyByte24 = 1;  // every channel 1: RGB 1, 1, 1
constexpr uint32_t kKeyColor24 = 0x010101;

class IconImage {
public:
    IconImage() = default;
    explicit IconImage(int bitsPerPixel, int size = kIconSize);

    bool empty() const { return buffer_.empty(); }
    int bitsPerPixel() const { return bpp_; }
    int sizePx() const { return size_; }
    const uint8_t* data() const { return buffer_.data(); }
    std::size_t size() const { return buffer_.size(); }
    uint8_t* palette() { return buffer_.data() + 40; }
    uint8_t* colorBits() { return buffer_.data() + colorOffset_; }
    uint8_t* maskBits() { return buffer_.data() + maskOffset_; }
    const uint8_t* colorBits() const { return buffer_.data() + colorOffset_; }
    const uint8_t* maskBits() const { return buffer_.data() + maskOffset_; }
    static int colorStride(int bpp, int size = kIconSize) { return ((size * bpp + 31) / 32) * 4; }
    static int maskStride(int size) { return ((size + 31) / 32) * 4; }

    // Takes the pixels of a 16-colour surface (bottom-up rows, 8 bytes at 16)
    // and its palette (16 x 4 bytes, blue green red reserved). Pixels of the
    // key index become transparent: mask bit set, colour index 0.
    void setFrom4Bit(const uint8_t* pixels, const uint8_t* paletteQuads);
    // Takes the pixels of a 24-bit surface (bottom-up rows, 48 bytes at 16).
    // Pixels whose three bytes are all the key become transparent, their
    // colour cleared to black so that they leave the background untouched.
    void setFrom24Bit(const uint8_t* pixels);

    // The same picture as a 32-bit image with an alpha channel (opaque
    // pixels 255, transparent ones 0, the mask kept), the form the shell
    // copies faithfully at every size: a 1-bit mask whose rows are not a
    // whole number of 16-bit words (24 pixels wide) loses its last rows in
    // some shells' copy, and the transparent pixels there turn black.
    std::vector<uint8_t> withAlpha() const;

    // Image coordinates (y downwards) of the colour and mask planes.
    bool transparentAt(int x, int y) const;
    uint8_t indexAt(int x, int y) const;  // 4-bit images
    uint32_t rgbAt(int x, int y) const;   // 24-bit images, 0x00BBGGRR

private:
    // Copies the colour plane in, then lets `keyOut(line, x)` test each
    // pixel: a key pixel is cleared by it and gets its mask bit set.
    template <typename KeyOut>
    void copyColorAndMask(const uint8_t* pixels, KeyOut keyOut);

    std::vector<uint8_t> buffer_;
    int bpp_ = 0;
    int size_ = kIconSize;
    std::size_t colorOffset_ = 0;
    std::size_t maskOffset_ = 0;
};

}  // namespace marilo
