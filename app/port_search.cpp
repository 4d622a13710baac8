#include "app/port_search.h"

#include "app/menu_model.h"
#include "engine/port_labels.h"
#include "platform/cp932.h"

namespace marilo {

namespace {

// U+FF61..U+FF9F, the half-width katakana and marks, to the characters their
// compatibility decompositions (<narrow>) name in the Unicode Character
// Database (UnicodeData.txt, Halfwidth and Fullwidth Forms block).
constexpr char16_t kHalfWidthKana[] = {
    u'\u3002', u'\u300C', u'\u300D', u'\u3001', u'\u30FB', u'\u30F2', u'\u30A1', u'\u30A3',  // FF61..FF68
    u'\u30A5', u'\u30A7', u'\u30A9', u'\u30E3', u'\u30E5', u'\u30E7', u'\u30C3', u'\u30FC',  // FF69..FF70
    u'\u30A2', u'\u30A4', u'\u30A6', u'\u30A8', u'\u30AA', u'\u30AB', u'\u30AD', u'\u30AF',  // FF71..FF78
    u'\u30B1', u'\u30B3', u'\u30B5', u'\u30B7', u'\u30B9', u'\u30BB', u'\u30BD', u'\u30BF',  // FF79..FF80
    u'\u30C1', u'\u30C4', u'\u30C6', u'\u30C8', u'\u30CA', u'\u30CB', u'\u30CC', u'\u30CD',  // FF81..FF88
    u'\u30CE', u'\u30CF', u'\u30D2', u'\u30D5', u'\u30D8', u'\u30DB', u'\u30DE', u'\u30DF',  // FF89..FF90
    u'\u30E0', u'\u30E1', u'\u30E2', u'\u30E4', u'\u30E6', u'\u30E8', u'\u30E9', u'\u30EA',  // FF91..FF98
    u'\u30EB', u'\u30EC', u'\u30ED', u'\u30EF', u'\u30F3', u'\u3099', u'\u309A',             // FF99..FF9F
};
static_assert(sizeof kHalfWidthKana / sizeof kHalfWidthKana[0] == 0xFF9F - 0xFF61 + 1);

constexpr char16_t kVoiced = u'\u3099';      // combining voiced sound mark
constexpr char16_t kSemiVoiced = u'\u309A';  // combining semi-voiced sound mark

// A katakana with a mark after it as the composed character the canonical
// decompositions of UnicodeData.txt give (ガ = カ + U+3099, パ = ハ + U+309A,
// ヴ = ウ + U+3099, ヷ..ヺ = ワ..ヲ + U+3099, ヾ = ヽ + U+3099), or 0.
char16_t composed(char16_t kana, char16_t mark) {
    const bool ka_to = (kana >= u'\u30AB' && kana <= u'\u30C2' && (kana - 0x30AB) % 2 == 0) ||
                       kana == u'\u30C4' || kana == u'\u30C6' || kana == u'\u30C8';
    const bool ha_ho = kana >= u'\u30CF' && kana <= u'\u30DB' && (kana - 0x30CF) % 3 == 0;
    if (mark == kVoiced) {
        if (ka_to || ha_ho || kana == u'\u30FD') return static_cast<char16_t>(kana + 1);
        if (kana == u'\u30A6') return u'\u30F4';
        if (kana >= u'\u30EF' && kana <= u'\u30F2') return static_cast<char16_t>(kana + 8);
    } else if (mark == kSemiVoiced && ha_ho) {
        return static_cast<char16_t>(kana + 2);
    }
    return 0;
}

char16_t foldOne(char16_t c) {
    if (c >= u'\uFF01' && c <= u'\uFF5E') c = static_cast<char16_t>(c - 0xFEE0);
    if (c == u'\u3000') return u' ';
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 0x20);
    if (c >= u'\uFF61' && c <= u'\uFF9F') c = kHalfWidthKana[c - 0xFF61];
    if (c == u'\u309B') return kVoiced;  // the spacing marks join like the combining ones
    if (c == u'\u309C') return kSemiVoiced;
    if ((c >= u'\u3041' && c <= u'\u3096') || c == u'\u309D' || c == u'\u309E') return static_cast<char16_t>(c + 0x60);
    return c;
}

std::vector<std::u16string> wordsOf(std::u16string_view folded) {
    std::vector<std::u16string> words;
    std::u16string word;
    for (char16_t c : folded) {
        if (c == u' ' || c == u'\t') {
            if (!word.empty()) words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

bool listsPortsDirectly(int group) { return prefPos(group) < 0; }

}  // namespace

std::u16string foldForSearch(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t raw : text) {
        const char16_t c = foldOne(raw);
        if ((c == kVoiced || c == kSemiVoiced) && !out.empty()) {
            if (const char16_t joined = composed(out.back(), c)) {
                out.back() = joined;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::u16string portGroupText(PortAddress port) {
    const std::u16string region = cp932ToUtf16(RegionNames[regionPos(port.group())]);
    if (listsPortsDirectly(port.group())) return region;
    return region + u" / " + cp932ToUtf16(findGroup(port.group())->heading);
}

std::vector<PortAddress> findPorts(std::u16string_view query) {
    const std::vector<std::u16string> words = wordsOf(foldForSearch(query));
    std::vector<PortAddress> found;
    if (words.empty()) return found;
    for (int row = 0; row < kPortCount; ++row) {
        const PortAddress port = *PortAddress::ofRow(row);
        const std::u16string haystack =
            foldForSearch(cp932ToUtf16(port.record().name) + u'\n' + cp932ToUtf16(PortMenuLabels[row]) + u'\n' +
                          cp932ToUtf16(RegionNames[regionPos(port.group())]) + u'\n' +
                          cp932ToUtf16(findGroup(port.group())->heading));
        bool all = true;
        for (const std::u16string& w : words) all = all && haystack.find(w) != std::u16string::npos;
        if (all) found.push_back(port);
    }
    return found;
}

}  // namespace marilo
