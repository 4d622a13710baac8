#include "platform/cp932.h"

#include <algorithm>
#include <cstdint>

#include "platform/cp932_table.h"

namespace marilo {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

int leadIndex(unsigned char b) {
    if (b >= 0x81 && b <= 0x9F) return b - 0x81;
    if (b >= 0xE0 && b <= 0xFC) return b - 0xE0 + (0x9F - 0x81 + 1);
    return -1;
}

int trailIndex(unsigned char b) {
    if (b >= 0x40 && b <= 0x7E) return b - 0x40;
    if (b >= 0x80 && b <= 0xFC) return b - 0x80 + (0x7E - 0x40 + 1);
    return -1;
}

// Calls put(char16_t) for each character of a cp932 text.
template <class Put>
void decode(std::string_view in, Put put) {
    for (std::size_t k = 0; k < in.size(); ++k) {
        const auto b = static_cast<unsigned char>(in[k]);
        const int lead = leadIndex(b);
        if (lead < 0) {
            put(cp932::kSingleByte[b]);
            continue;
        }
        const int trail = k + 1 < in.size() ? trailIndex(static_cast<unsigned char>(in[k + 1])) : -1;
        if (trail < 0) {
            put(kReplacement);  // the next byte, if any, is read on its own
            continue;
        }
        put(cp932::kDoubleByte[lead * cp932::kTrailCount + trail]);
        ++k;
    }
}

char16_t charOfCode(uint16_t code) {
    if (code < 0x100) return cp932::kSingleByte[code];
    return cp932::kDoubleByte[leadIndex(static_cast<unsigned char>(code >> 8)) * cp932::kTrailCount +
                              trailIndex(static_cast<unsigned char>(code & 0xFF))];
}

// Appends the cp932 code of one character, or '?'.
void encode(char32_t c, std::string& out) {
    if (c < 0x80) {  // ASCII is itself (the generator checks)
        out += static_cast<char>(c);
        return;
    }
    const uint16_t* const first = cp932::kCodesByChar;
    const uint16_t* const last = first + cp932::kCodeCount;
    const uint16_t* const at =
        c > 0xFFFF ? last
                   : std::lower_bound(first, last, c, [](uint16_t code, char32_t x) { return charOfCode(code) < x; });
    if (at == last || charOfCode(*at) != c) {
        out += '?';
    } else if (*at < 0x100) {
        out += static_cast<char>(*at);
    } else {
        out += static_cast<char>(*at >> 8);
        out += static_cast<char>(*at & 0xFF);
    }
}

void appendUtf8(char16_t c, std::string& out) {  // c is never a surrogate
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::u16string cp932ToUtf16(std::string_view cp932) {
    std::u16string out;
    out.reserve(cp932.size());
    decode(cp932, [&out](char16_t c) { out += c; });
    return out;
}

std::string cp932ToUtf8(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size() + cp932.size() / 2);
    decode(cp932, [&out](char16_t c) { appendUtf8(c, out); });
    return out;
}

std::string utf16ToCp932(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size() * 2);
    for (std::size_t k = 0; k < utf16.size(); ++k) {
        const char16_t c = utf16[k];
        if (c < 0xD800 || c > 0xDFFF) {
            encode(c, out);
            continue;
        }
        // A surrogate pair is a character beyond the BMP, which cp932 has
        // none of: one '?' for the pair, as for an unpaired surrogate.
        out += '?';
        if (c <= 0xDBFF && k + 1 < utf16.size() && utf16[k + 1] >= 0xDC00 && utf16[k + 1] <= 0xDFFF) ++k;
    }
    return out;
}

std::optional<std::string> utf8ToCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t k = 0; k < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[k]);
        int length = 0;
        char32_t c = 0, least = 0;
        if (b < 0x80) {
            length = 1, c = b;
        } else if (b >= 0xC2 && b <= 0xDF) {
            length = 2, c = b & 0x1F, least = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3, c = b & 0x0F, least = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4, c = b & 0x07, least = 0x10000;
        } else {
            return std::nullopt;
        }
        if (utf8.size() - k < static_cast<std::size_t>(length)) return std::nullopt;
        for (int j = 1; j < length; ++j) {
            const auto t = static_cast<unsigned char>(utf8[k + j]);
            if ((t & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (t & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
        encode(c, out);
        k += length;
    }
    return out;
}

}  // namespace marilo
