#include "platform/font_face.h"

#include <algorithm>

namespace marilo {

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool hasNonAscii(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// cp932 trail bytes may fall on ASCII letters, so only all-ASCII names are
// compared without regard to case.
bool sameFamily(std::string_view a, std::string_view b) {
    if (hasNonAscii(a) || hasNonAscii(b)) return a == b;
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

// The family as the system spells it, or null.
const std::string* installedAs(std::string_view face, const std::vector<std::string>& installed) {
    const auto it =
        std::find_if(installed.begin(), installed.end(), [&](const std::string& f) { return sameFamily(f, face); });
    return it == installed.end() ? nullptr : &*it;
}

}  // namespace

const std::vector<std::string_view>& japaneseFallbackFaces() {
    static const std::vector<std::string_view> faces{
        "ＭＳ ゴシック", "MS Gothic",   "IPAGothic", "TakaoGothic", "VL Gothic", "Noto Sans Mono CJK JP",
        "IPAexGothic",   "メイリオ",    "Meiryo",    "游ゴシック",  "Yu Gothic", "Noto Sans CJK JP",
        "ＭＳ Ｐゴシック", "MS PGothic", "MS UI Gothic", "IPAPGothic",
    };
    return faces;
}

bool isJapaneseFace(std::string_view face) {
    if (hasNonAscii(face)) return true;
    const auto& faces = japaneseFallbackFaces();
    return std::any_of(faces.begin(), faces.end(), [&](std::string_view f) { return sameFamily(f, face); });
}

std::string chooseJapaneseFace(std::string_view named, const std::vector<std::string>& installed) {
    if (installedAs(named, installed)) return std::string(named);
    for (std::string_view face : japaneseFallbackFaces())
        if (const std::string* family = installedAs(face, installed)) return *family;
    return std::string(named);
}

}  // namespace marilo
