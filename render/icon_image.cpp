#include "render/icon_image.h"

#include <cstring>

namespace marilo {

namespace {

void put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
void put16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

}  // namespace

IconImage::IconImage(int bitsPerPixel) : bpp_(bitsPerPixel) {
    const std::size_t paletteBytes = bitsPerPixel == 4 ? 16 * 4 : 0;
    colorOffset_ = 40 + paletteBytes;
    maskOffset_ = colorOffset_ + static_cast<std::size_t>(colorStride(bitsPerPixel)) * kIconSize;
    buffer_.assign(maskOffset_ + kMaskStride * kIconSize, 0);
    uint8_t* h = buffer_.data();
    put32(h + 0, 40);
    put32(h + 4, kIconSize);
    put32(h + 8, 2 * kIconSize);  // colour and mask planes together
    put16(h + 12, 1);
    put16(h + 14, static_cast<uint16_t>(bitsPerPixel));
    put32(h + 16, 0);  // no compression
}

template <typename KeyOut>
void IconImage::copyColorAndMask(const uint8_t* pixels, KeyOut keyOut) {
    const int stride = colorStride(bpp_);
    std::memcpy(colorBits(), pixels, static_cast<std::size_t>(stride) * kIconSize);
    std::memset(maskBits(), 0, kMaskStride * kIconSize);
    for (int row = 0; row < kIconSize; ++row) {
        uint8_t* line = colorBits() + row * stride;
        uint8_t* mask = maskBits() + row * kMaskStride;
        for (int x = 0; x < kIconSize; ++x)
            if (keyOut(line, x)) mask[x / 8] = static_cast<uint8_t>(mask[x / 8] | (0x80 >> (x % 8)));
    }
}

void IconImage::setFrom4Bit(const uint8_t* pixels, const uint8_t* paletteQuads) {
    std::memcpy(palette(), paletteQuads, 16 * 4);
    copyColorAndMask(pixels, [](uint8_t* line, int x) {
        uint8_t& byte = line[x / 2];
        const int shift = x % 2 == 0 ? 4 : 0;
        if (((byte >> shift) & 0x0F) != kKeyIndex) return false;
        byte = static_cast<uint8_t>(byte & ~(0x0F << shift));
        return true;
    });
}

void IconImage::setFrom24Bit(const uint8_t* pixels) {
    copyColorAndMask(pixels, [](uint8_t* line, int x) {
        uint8_t* px = line + 3 * x;
        if (px[0] != kKeyByte24 || px[1] != kKeyByte24 || px[2] != kKeyByte24) return false;
        px[0] = px[1] = px[2] = 0;
        return true;
    });
}

bool IconImage::transparentAt(int x, int y) const {
    const uint8_t* mask = maskBits() + (kIconSize - 1 - y) * kMaskStride;
    return (mask[x / 8] & (0x80 >> (x % 8))) != 0;
}

uint8_t IconImage::indexAt(int x, int y) const {
    const uint8_t byte = colorBits()[(kIconSize - 1 - y) * colorStride(4) + x / 2];
    return x % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

uint32_t IconImage::rgbAt(int x, int y) const {
    const uint8_t* px = colorBits() + (kIconSize - 1 - y) * colorStride(24) + 3 * x;
    return static_cast<uint32_t>(px[2]) | static_cast<uint32_t>(px[1]) << 8 | static_cast<uint32_t>(px[0]) << 16;
}

}  // namespace marilo
