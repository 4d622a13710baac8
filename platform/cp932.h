#pragma once
// Code page 932 (Japanese Shift_JIS as Windows has it) to and from Unicode,
// the same on every platform: the program keeps its texts in cp932, Windows
// takes UTF-16 and a terminal UTF-8. Table-driven (platform/cp932_table.cpp,
// written by tools/gen_cp932.mjs), with no system converter behind it.

#include <optional>
#include <string>
#include <string_view>

namespace marilo {

// cp932 to UTF-16. A byte or pair that is no cp932 character becomes U+FFFD
// and decoding goes on: a lead byte whose next byte cannot follow it is one
// U+FFFD by itself, and that next byte is read afresh.
std::u16string cp932ToUtf16(std::string_view cp932);

// UTF-16 to cp932. A character cp932 lacks (an unpaired surrogate, or a
// surrogate pair, included) becomes one '?'.
std::string utf16ToCp932(std::u16string_view utf16);

// cp932 to UTF-8, with U+FFFD as in cp932ToUtf16().
std::string cp932ToUtf8(std::string_view cp932);

// UTF-8 to cp932; a character cp932 lacks becomes '?'. None when the input
// is not well-formed UTF-8 (overlong forms, surrogates and truncated
// sequences included).
std::optional<std::string> utf8ToCp932(std::string_view utf8);

}  // namespace marilo
