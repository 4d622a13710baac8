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

}  // namespace marilo
