#include "render/icon_image.h"

#include <gtest/gtest.h>

#include <cstring>

#include "render/clock_geometry.h"

namespace marilo {
namespace {

uint32_t read32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

TEST(IconImage, LayoutOfBothDepths) {
    const IconImage four(4);
    EXPECT_EQ(four.size(), 40u + 64u + 128u + 64u);
    EXPECT_EQ(read32(four.data()), 40u);
    EXPECT_EQ(read32(four.data() + 4), 16u);
    EXPECT_EQ(read32(four.data() + 8), 32u);  // colour and mask planes
    EXPECT_EQ(four.data()[12], 1);
    EXPECT_EQ(four.data()[14], 4);
    const IconImage deep(24);
    EXPECT_EQ(deep.size(), 40u + 768u + 64u);
    EXPECT_EQ(deep.data()[14], 24);
}

TEST(IconImage, KeyIndexBecomesTransparentBlack) {
    uint8_t pixels[128];
    std::memset(pixels, 0x11, sizeof pixels);  // all key
    // Image row 0 is the last stored row; give its first two pixels white (15)
    // and grey (8).
    pixels[15 * 8] = 0xF8;
    uint8_t palette[64] = {};
    palette[4 * 15] = 0xFF;
    IconImage img(4);
    img.setFrom4Bit(pixels, palette);
    EXPECT_FALSE(img.transparentAt(0, 0));
    EXPECT_FALSE(img.transparentAt(1, 0));
    EXPECT_EQ(img.indexAt(0, 0), 15);
    EXPECT_EQ(img.indexAt(1, 0), 8);
    for (int y = 0; y < 16; ++y)
        for (int x = y == 0 ? 2 : 0; x < 16; ++x) {
            EXPECT_TRUE(img.transparentAt(x, y)) << x << "," << y;
            EXPECT_EQ(img.indexAt(x, y), 0) << x << "," << y;
        }
    EXPECT_EQ(img.palette()[60], 0xFF);
}

TEST(IconImage, KeyColourOfTheClockBecomesTransparent) {
    uint8_t pixels[768];
    std::memset(pixels, 1, sizeof pixels);
    uint8_t* centre = pixels + (15 - 7) * 48 + 7 * 3;
    centre[0] = 0xFF;  // blue, 0x00BBGGRR 0xFF0000
    centre[1] = 0;
    centre[2] = 0;
    uint8_t* almost = pixels + (15 - 3) * 48 + 5 * 3;
    almost[2] = 2;  // RGB 2,1,1 is not the key
    IconImage img(24);
    img.setFrom24Bit(pixels);
    EXPECT_FALSE(img.transparentAt(7, 7));
    EXPECT_EQ(img.rgbAt(7, 7), 0xFF0000u);
    EXPECT_FALSE(img.transparentAt(5, 3));
    EXPECT_EQ(img.rgbAt(5, 3), 0x010102u);
    EXPECT_TRUE(img.transparentAt(0, 0));
    EXPECT_EQ(img.rgbAt(0, 0), 0u);
}

TEST(IconImage, LargerSizesAndTheAlphaCopy) {
    // 24 pixels: 4-bit rows of 12 bytes, 24-bit rows of 72, mask rows of 4.
    EXPECT_EQ(IconImage(4, 24).size(), 40u + 64u + 12u * 24 + 4u * 24);
    EXPECT_EQ(IconImage(24, 24).size(), 40u + 72u * 24 + 4u * 24);
    EXPECT_EQ(read32(IconImage(24, 24).data() + 8), 48u);
    // A 24-pixel image, all key but for a white top-left pixel.
    uint8_t pixels[12 * 24];
    std::memset(pixels, 0x11, sizeof pixels);
    pixels[23 * 12] = 0xF1;
    uint8_t palette[64] = {};
    palette[4 * 15] = 0xFF;      // blue byte of white
    palette[4 * 15 + 1] = 0xFE;  // green
    palette[4 * 15 + 2] = 0xFD;  // red
    IconImage img(4, 24);
    img.setFrom4Bit(pixels, palette);
    const std::vector<uint8_t> a = img.withAlpha();
    ASSERT_EQ(a.size(), 40u + 4u * 24 * 24 + 4u * 24);
    EXPECT_EQ(a[14], 32);
    EXPECT_EQ(read32(a.data() + 4), 24u);
    const uint8_t* top = a.data() + 40 + 23 * 96;  // image row 0, stored last
    EXPECT_EQ(read32(top), 0xFFFDFEFFu);         // B G R A
    EXPECT_EQ(read32(top + 4), 0u);              // transparent: nothing at all
    const uint8_t* mask = a.data() + 40 + 4 * 24 * 24;
    EXPECT_EQ(mask[23 * 4], 0x7F);  // row 0: the first pixel opaque
    EXPECT_EQ(mask[0], 0xFF);
}

TEST(ClockGeometry, HandsAndMarks) {
    EXPECT_EQ(hourHandEnd(3, 0, true), (Pixel{12, 7}));
    EXPECT_EQ(hourHandEnd(3, 0, false), (Pixel{13, 7}));
    EXPECT_EQ(hourHandEnd(12, 0, true), hourHandEnd(0, 0, true));
    EXPECT_EQ(hourHandEnd(11, 59, true), (Pixel{6, 2}));
    EXPECT_EQ(hourHandEnd(11, 59, false), (Pixel{6, 1}));
    EXPECT_EQ(minuteHandEnd(0, ClockVariant::Tray), (Pixel{7, -1}));
    EXPECT_EQ(minuteHandEnd(0, ClockVariant::Preview), (Pixel{7, -1}));
    EXPECT_EQ(minuteHandEnd(30, ClockVariant::Tray), (Pixel{7, 15}));
    EXPECT_EQ(minuteHandEnd(59, ClockVariant::Tray), (Pixel{6, -1}));
    EXPECT_EQ(hourMarks(true)[0], (Pixel{7, 1}));
    EXPECT_EQ(hourMarks(false)[7], (Pixel{14, 7}));
}

}  // namespace
}  // namespace marilo
