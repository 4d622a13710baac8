#pragma once
// Text at the API boundary: the program keeps its texts in code page 932 and
// talks to Windows through the W functions, so everything shown is converted
// here, whatever the system's ANSI code page. The conversion is the portable
// codec of platform/cp932.h; wchar_t holds UTF-16 on Windows.

#include <string>
#include <string_view>

namespace marilo {

// cp932 bytes to UTF-16. Invalid bytes become U+FFFD rather than truncating
// the text.
std::wstring widen(std::string_view cp932);

// UTF-16 to cp932; characters cp932 lacks become '?'.
std::string narrow(std::wstring_view utf16);

// The UTF-16 texts the plain layers format (std::u16string) as the W
// functions take them: on Windows wchar_t is the same 16-bit unit, so this
// is a view of the same characters, not a conversion.
inline const wchar_t* wideText(const std::u16string& utf16) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "the W functions speak UTF-16");
    return reinterpret_cast<const wchar_t*>(utf16.c_str());
}
inline std::wstring_view wideText(std::u16string_view utf16) {
    return {reinterpret_cast<const wchar_t*>(utf16.data()), utf16.size()};
}

}  // namespace marilo
