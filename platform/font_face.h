#pragma once
// Which installed face draws Japanese text. The drawing code names the face
// it was designed with; where that face is missing, Windows maps the name to
// whatever it likes, often a Latin face (kana and kanji become boxes) or a
// CJK-only fallback (digits and slashes become boxes). So the face is taken
// from the faces actually installed, the named one first, then the others
// that hold both Latin and kana/kanji. Names are cp932 text.

#include <string>
#include <string_view>
#include <vector>

namespace marilo {

// The Japanese faces tried after the named one, those whose metrics are
// closest to ＭＳ ゴシック first. Proportional faces come last: the graph
// and the icons were laid out for fixed-pitch figures (the dialogs name the
// proportional ones; any of these draws them).
const std::vector<std::string_view>& japaneseFallbackFaces();

// Whether `face` is a Japanese face: one of the fallbacks or any name with
// characters beyond ASCII. Latin faces ("Small Fonts", "Tahoma") are left as
// they are named.
bool isJapaneseFace(std::string_view face);

// The face to draw with, given the families installed with the Japanese
// character set: `named` if it is among them, else the first fallback that
// is, else `named` (Windows' own mapping is all that is left). Family names
// compare without regard to ASCII case, and a fallback is returned as the
// system spells it; vertical faces ("@...") never match.
std::string chooseJapaneseFace(std::string_view named, const std::vector<std::string>& installed);

}  // namespace marilo
