// The cp932 codec, the same natively and under Wine. Narrow literals here
// are cp932 (the compiler converts them), u"" literals UTF-16 and u8""
// literals UTF-8: the expected values never come from the codec itself.
#include <gtest/gtest.h>

#include <string>

#include "platform/cp932.h"

namespace marilo {
namespace {

std::string bytes(const char8_t* utf8) { return reinterpret_cast<const char*>(utf8); }

TEST(Cp932, ProgramTextsRoundTrip) {
    // The literals hold the bytes Windows uses: trail byte 0x5C in ソ and 表,
    // 0x8160 for ～, single bytes for half-width katakana.
    ASSERT_EQ(std::string("ソ表～"), "\x83\x5C\x95\x5C\x81\x60");
    ASSERT_EQ(std::string("ｷｬﾝｾﾙ"), "\xB7\xAC\xDD\xBE\xD9");
    struct Text {
        const char* cp932;
        const char16_t* utf16;
        const char8_t* utf8;
    };
    const Text texts[] = {
        {"田子の浦", u"田子の浦", u8"田子の浦"},
        {"ソ表\\", u"ソ表\\", u8"ソ表\\"},
        {"ｷｬﾝｾﾙ", u"ｷｬﾝｾﾙ", u8"ｷｬﾝｾﾙ"},
        {"①～⑳ ＼", u"①\uFF5E⑳ \uFF3C", u8"①\uFF5E⑳ \uFF3C"},
        {"L 23:41 -17 上げ３分 月齢29.1", u"L 23:41 -17 上げ３分 月齢29.1", u8"L 23:41 -17 上げ３分 月齢29.1"},
        {"", u"", u8""},
    };
    for (const Text& t : texts) {
        SCOPED_TRACE(bytes(t.utf8));
        EXPECT_EQ(cp932ToUtf16(t.cp932), t.utf16);
        EXPECT_EQ(utf16ToCp932(t.utf16), t.cp932);
        EXPECT_EQ(cp932ToUtf8(t.cp932), bytes(t.utf8));
        EXPECT_EQ(utf8ToCp932(bytes(t.utf8)), t.cp932);
    }
}

TEST(Cp932, SharedCharactersTakeWindowsCodes) {
    // Decoding: NEC row 13 and the NEC-selected IBM extensions.
    EXPECT_EQ(cp932ToUtf16("\x87\x90\x87\x54\xED\x40\xEE\xEF\xF0\x40"), u"\u2252\u2160\u7E8A\u2170\uE000");
    // Encoding picks JIS X 0208 over NEC row 13 (≒ ¬), NEC row 13 over the IBM
    // extensions (Ⅰ), and the IBM extensions over the NEC-selected ones (ⅰ 纊).
    EXPECT_EQ(utf16ToCp932(u"\u2252\uFFE2\u2160\u2170\u7E8A\uE757"),
              "\x81\xE0\x81\xCA\x87\x54\xFA\x40\xFA\x5C\xF9\xFC");
    EXPECT_EQ(utf16ToCp932(u"\\\uFF3C~\uFF5E\u00A5\u203E"), "\\\x81\x5F~\x81\x60??");

    // Every character decoded from any code is written back as a code that
    // decodes to it.
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead == 0xA0) lead = 0xE0;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
            const std::u16string c = cp932ToUtf16(code);
            if (trail == 0x7F || c == u"\uFFFD") continue;
            ASSERT_EQ(c.size(), 1u) << std::hex << lead << trail;
            ASSERT_EQ(cp932ToUtf16(utf16ToCp932(c)), c) << std::hex << lead << trail;
        }
    }
}

TEST(Cp932, BadInputIsMarkedNeverDropped) {
    // Characters cp932 lacks: one '?' each, a surrogate pair included.
    EXPECT_EQ(utf16ToCp932(u"caf\u00E9 \U0001F30A \xD800!"), "caf? ? ?!");
    EXPECT_EQ(utf8ToCp932(bytes(u8"caf\u00E9 \U0001F30A")), "caf? ?");

    // Bytes that are no character: U+FFFD each, and the text goes on. A lead
    // byte whose next byte cannot follow it leaves that byte alone.
    EXPECT_EQ(cp932ToUtf16("\x85\x40 \x81\nA\x81 \x80\xA0\xFD\xFF \x81"),
              u"\uFFFD \uFFFD\nA\uFFFD \uFFFD\uFFFD\uFFFD\uFFFD \uFFFD");
    EXPECT_EQ(cp932ToUtf8("\x81\x7F" "a"), "\xEF\xBF\xBD\x7F" "a");

    // Malformed UTF-8 is refused: a stray or invalid byte, an overlong form,
    // a surrogate, a sequence cut short, a value past U+10FFFF.
    for (const char* bad :
         {"\x80", "a\xFF", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xE7\x94", "\xF4\x90\x80\x80"})
        EXPECT_EQ(utf8ToCp932(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace marilo
