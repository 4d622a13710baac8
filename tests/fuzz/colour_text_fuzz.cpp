// Fuzz target: colours stored as text (BackColor, LineColor, ...), read by
// parseColorText and written by formatColorText.
//
// Any colour written reads back as itself, with or without "0x", upper case
// or leading blanks; any text reads as the value of its leading hexadecimal
// digits (saturated at 0xFFFFFFFF), and that value writes and reads back
// unchanged.

#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstdint>
#include <string>

#include "app/settings.h"
#include "tests/fuzz/fuzz_check.h"

using namespace marilo;
using marilo::fuzz::check;

namespace {

// The value of a text as the stored colours mean it, worked out from the
// digit run alone: leading zeros dropped, more than eight digits saturate.
uint32_t modelValue(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return 0;
    if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0)
        if (i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 2]))) i += 2;
    std::string run;
    for (; i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])); ++i) run += text[i];
    const std::size_t first = run.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    run.erase(0, first);
    if (run.size() > 8) return 0xFFFFFFFFu;
    return static_cast<uint32_t>(std::stoull(run, nullptr, 16));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const uint32_t colour = in.ConsumeIntegral<uint32_t>();
    const std::string written = formatColorText(colour);
    check(!written.empty() && written.size() <= 8, "a colour is written in one to eight digits");
    check(parseColorText(written.c_str()) == colour, "a written colour reads back");
    std::string upper = written;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    check(parseColorText((" \t0X" + upper).c_str()) == colour, "blanks, 0X and upper case read the same");
    check(parseColorText(("0x" + written + "g").c_str()) == colour, "text after the digits is ignored");

    // Stored text ends at its first NUL, as the registry's strings do.
    const std::string stored = in.ConsumeRemainingBytesAsString();
    const std::string text(stored.c_str());
    const uint32_t read = parseColorText(text.c_str());
    check(read == modelValue(text), "the value of the leading hexadecimal digits");
    check(parseColorText(formatColorText(read).c_str()) == read, "what is read writes back unchanged");
    return 0;
}
