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

IconImage::IconImage(int bitsPerPixel, int size) : bpp_(bitsPerPixel), size_(size) {
    const std::size_t paletteBytes = bitsPerPixel == 4 ? 16 * 4 : 0;
    const auto rows = static_cast<std::size_t>(size);
    colorOffset_ = 40 + paletteBytes;
    maskOffset_ = colorOffset_ + static_cast<std::size_t>(colorStride(bitsPerPixel, size)) * rows;
    buffer_.assign(maskOffset_ + static_cast<std::size_t>(maskStride(size)) * rows, 0);
    uint8_t* h = buffer_.data();
    put32(h + 0, 40);
    put32(h + 4, static_cast<uint32_t>(size));
    put32(h + 8, static_cast<uint32_t>(2 * size));  // colour and mask planes together
    put16(h + 12, 1);
    put16(h + 14, static_cast<uint16_t>(bitsPerPixel));
    put32(h + 16, 0);  // no compression
}

template <typename KeyOut>
void IconImage::copyColorAndMask(const uint8_t* pixels, KeyOut keyOut) {
    const int stride = colorStride(bpp_, size_);
    const int maskRow = maskStride(size_);
    std::memcpy(colorBits(), pixels, static_cast<std::size_t>(stride) * static_cast<std::size_t>(size_));
    std::memset(maskBits(), 0, static_cast<std::size_t>(maskRow) * static_cast<std::size_t>(size_));
    for (int row = 0; row < size_; ++row) {
        uint8_t* line = colorBits() + row * stride;
        uint8_t* mask = maskBits() + row * maskRow;
        for (int x = 0; x < size_; ++x)
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

std::vector<uint8_t> IconImage::withAlpha() const {
    if (empty()) return {};
    const auto n = static_cast<std::size_t>(size_);
    const std::size_t maskBytes = static_cast<std::size_t>(maskStride(size_)) * n;
    std::vector<uint8_t> out(40 + 4 * n * n + maskBytes, 0);
    std::memcpy(out.data(), buffer_.data(), 40);
    put16(out.data() + 14, 32);
    const uint8_t* pal = buffer_.data() + 40;
    uint8_t* colour = out.data() + 40;
    for (int y = 0; y < size_; ++y)
        for (int x = 0; x < size_; ++x) {
            uint8_t* px = colour + (static_cast<std::size_t>(size_ - 1 - y) * n + static_cast<std::size_t>(x)) * 4;
            if (transparentAt(x, y)) continue;  // all four bytes 0
            if (bpp_ == 4) {
                std::memcpy(px, pal + 4 * indexAt(x, y), 3);
            } else {
                const uint32_t rgb = rgbAt(x, y);
                px[0] = static_cast<uint8_t>(rgb >> 16);
                px[1] = static_cast<uint8_t>(rgb >> 8);
                px[2] = static_cast<uint8_t>(rgb);
            }
            px[3] = 255;
        }
    std::memcpy(colour + 4 * n * n, maskBits(), maskBytes);
    return out;
}

bool IconImage::transparentAt(int x, int y) const {
    const uint8_t* mask = maskBits() + (size_ - 1 - y) * maskStride(size_);
    return (mask[x / 8] & (0x80 >> (x % 8))) != 0;
}

uint8_t IconImage::indexAt(int x, int y) const {
    const uint8_t byte = colorBits()[(size_ - 1 - y) * colorStride(4, size_) + x / 2];
    return x % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

uint32_t IconImage::rgbAt(int x, int y) const {
    const uint8_t* px = colorBits() + (size_ - 1 - y) * colorStride(24, size_) + 3 * x;
    return static_cast<uint32_t>(px[2]) | static_cast<uint32_t>(px[1]) << 8 | static_cast<uint32_t>(px[0]) << 16;
}

}  // namespace marilo
