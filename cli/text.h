#pragma once
// Conversion between the engine's code page 932 texts and the terminal's UTF-8.

#include <optional>
#include <string>

namespace marilo::cli {

// nullopt when the input is not valid in the source encoding.
std::optional<std::string> cp932ToUtf8(const std::string& cp932);
std::optional<std::string> utf8ToCp932(const std::string& utf8);

}  // namespace marilo::cli
