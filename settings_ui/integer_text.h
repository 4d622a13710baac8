#pragma once
// Integers typed into the settings dialog's fields.

#include <cstdint>
#include <optional>
#include <string_view>

namespace marilo {

// The integer at the start of a field's text: optional blanks, an optional
// sign, then decimal digits up to the first other character; 0 when there
// are none ("45" 45, "12cm" 12, "abc" 0, " -7" -7). Numbers beyond the
// 32-bit range give its nearest end.
int32_t leadingInteger(std::string_view text);

// A whole number: optional blanks, an optional sign, decimal digits,
// optional blanks, within 32 bits. Anything else is none.
std::optional<int32_t> wholeNumber(std::string_view text);

}  // namespace marilo
