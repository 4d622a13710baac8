#pragma once
// Finding a port by typing part of its name: the table's name, the chooser's
// label and the names of the groups it is filed under (地方 and 県) are
// searched, with the ways Japanese text is commonly typed folded alike.
// Texts are UTF-16, as the search box and the list hold them.

#include <string>
#include <string_view>
#include <vector>

#include "engine/port_address.h"

namespace marilo {

// A text folded for matching: full-width ASCII and the ideographic space to
// their ASCII forms (U+FF01..U+FF5E to U+0021..U+007E, U+3000 to U+0020),
// ASCII letters to lower case, half-width katakana (U+FF61..U+FF9F) to the
// full-width forms they decompose to, a voiced or semi-voiced sound mark
// (half-width or combining) joined with the kana before it as the composed
// character, and hiragana (U+3041..U+3096, U+309D, U+309E) to katakana.
std::u16string foldForSearch(std::u16string_view text);

// The ports whose name, label or group names contain every word of `query`
// (words split at spaces, each folded), in table order. None for a query
// with no words.
std::vector<PortAddress> findPorts(std::u16string_view query);

// The group names of a port as the result list shows them: "東海 / 静岡",
// or the region alone where the chooser lists its ports directly ("その他").
std::u16string portGroupText(PortAddress port);

}  // namespace marilo
