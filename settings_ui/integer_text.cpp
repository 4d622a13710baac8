#include "settings_ui/integer_text.h"

namespace marilo {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

constexpr int64_t kMaxMagnitude = int64_t{INT32_MAX} + 1;  // that of INT32_MIN

struct Scan {
    int64_t value = 0;      // signed; its magnitude stops just past the 32-bit range
    bool digits = false;    // at least one digit
    bool rest = false;      // something other than blanks follows the digits
};

Scan scan(std::string_view text) {
    Scan s;
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        s.digits = true;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kMaxMagnitude) magnitude = kMaxMagnitude + 1;
    }
    while (i < text.size() && isBlank(text[i])) ++i;
    s.rest = i != text.size();
    s.value = negative ? -magnitude : magnitude;
    return s;
}

}  // namespace

int32_t leadingInteger(std::string_view text) {
    const int64_t v = scan(text).value;
    if (v < INT32_MIN) return INT32_MIN;
    if (v > INT32_MAX) return INT32_MAX;
    return static_cast<int32_t>(v);
}

std::optional<int32_t> wholeNumber(std::string_view text) {
    const Scan s = scan(text);
    if (!s.digits || s.rest || s.value < INT32_MIN || s.value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(s.value);
}

}  // namespace marilo
