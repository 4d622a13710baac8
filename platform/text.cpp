#include "platform/text.h"

#include <windows.h>

namespace marilo {

namespace {
constexpr UINT kCp932 = 932;
}

std::wstring widen(std::string_view cp932) {
    if (cp932.empty()) return {};
    const int n = MultiByteToWideChar(kCp932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
    if (n <= 0) return {};
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(kCp932, 0, cp932.data(), static_cast<int>(cp932.size()), out.data(), n);
    return out;
}

std::string narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    // No best-fit guesses: a character cp932 lacks becomes the default '?'.
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    const int n = WideCharToMultiByte(kCp932, flags, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                      nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kCp932, flags, utf16.data(), static_cast<int>(utf16.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

}  // namespace marilo
