// The codec against Windows' own code page 932 (MultiByteToWideChar and
// WideCharToMultiByte), over every single byte, every double-byte code and
// every character of the BMP. The differences allowed are these, and only:
//   - a double-byte code that is no character: Windows gives its default
//     character U+30FB (・), the codec U+FFFD;
//   - the single bytes 0x80, 0xA0, 0xFD, 0xFE, 0xFF, which Windows maps to
//     U+0080 and U+F8F0-U+F8F3 (and back), the codec to U+FFFD (and those
//     characters to '?');
//   - a lead byte standing alone: U+30FB in Windows, U+FFFD in the codec.
// (A lead byte followed by a byte that cannot be a trail byte, which Windows
// may swallow along with the lead byte, is not compared: the codec keeps
// that byte, see cp932_test.cpp.)
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/cp932.h"

namespace marilo {
namespace {

std::u16string windowsWiden(const std::string& cp932) {
    wchar_t out[8];
    const int n = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), out, 8);
    return std::u16string(out, out + (n > 0 ? n : 0));
}

std::string windowsNarrow(char16_t c) {
    const wchar_t in = c;
    char out[8];
    const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &in, 1, out, 8, nullptr, nullptr);
    return std::string(out, n > 0 ? n : 0);
}

bool isLead(int b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isBestFitByte(int b) { return b == 0x80 || b == 0xA0 || b >= 0xFD; }

TEST(Cp932Windows, DecodesEveryCodeAsWindowsDoes) {
    int unassigned = 0;
    for (int b = 0; b < 256; ++b) {
        const std::string code(1, static_cast<char>(b));
        const std::u16string ours = cp932ToUtf16(code);
        const std::u16string theirs = windowsWiden(code);
        if (isLead(b))
            EXPECT_TRUE(ours == u"\uFFFD" && theirs == u"\u30FB") << std::hex << b;
        else if (isBestFitByte(b))
            EXPECT_EQ(ours, u"\uFFFD") << std::hex << b;
        else
            EXPECT_EQ(ours, theirs) << std::hex << b;
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLead(lead)) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
            const std::u16string ours = cp932ToUtf16(code);
            const std::u16string theirs = windowsWiden(code);
            if (ours == u"\uFFFD" && theirs == u"\u30FB") {
                ++unassigned;
                continue;
            }
            EXPECT_EQ(ours, theirs) << std::hex << lead << trail;
        }
    }
    // Of the 60 x 188 double-byte codes 9,604 are characters.
    EXPECT_EQ(unassigned, 60 * 188 - 9604);
}

TEST(Cp932Windows, EncodesEveryCharacterAsWindowsDoes) {
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const char16_t u = static_cast<char16_t>(c);
        const std::string ours = utf16ToCp932(std::u16string(1, u));
        if (c == 0x80 || (c >= 0xF8F0 && c <= 0xF8F3))
            EXPECT_EQ(ours, "?") << std::hex << static_cast<int>(c);
        else
            EXPECT_EQ(ours, windowsNarrow(u)) << std::hex << static_cast<int>(c);
    }
}

}  // namespace
}  // namespace marilo
