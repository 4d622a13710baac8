#include "platform/text.h"

#include "platform/cp932.h"

namespace marilo {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "widen() and narrow() speak the UTF-16 of the W functions");

std::wstring widen(std::string_view cp932) {
    const std::u16string utf16 = cp932ToUtf16(cp932);
    return std::wstring(utf16.begin(), utf16.end());
}

std::string narrow(std::wstring_view utf16) {
    return utf16ToCp932(std::u16string(utf16.begin(), utf16.end()));
}

}  // namespace marilo
