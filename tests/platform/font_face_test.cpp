// The choice of the face that draws Japanese text, over hand-written lists
// of installed families.
#include <gtest/gtest.h>

#include "platform/font_face.h"

namespace marilo {
namespace {

TEST(JapaneseFace, TheNamedFaceFirstThenTheClosestInstalled) {
    const std::vector<std::string> windows{"Arial", "ＭＳ ゴシック", "ＭＳ Ｐゴシック", "メイリオ", "@ＭＳ ゴシック"};
    EXPECT_EQ(chooseJapaneseFace("ＭＳ ゴシック", windows), "ＭＳ ゴシック");
    // An English system lists the same fonts under their Latin names.
    EXPECT_EQ(chooseJapaneseFace("ＭＳ ゴシック", {"Arial", "Meiryo", "MS Gothic", "Yu Gothic"}), "MS Gothic");
    // A Linux desktop under Wine: the fixed-pitch IPA face before Noto's
    // proportional one, whatever order the system lists them in; the
    // vertical face is not a face to write lines with.
    EXPECT_EQ(chooseJapaneseFace("ＭＳ ゴシック", {"Noto Sans CJK JP", "@IPAGothic", "IPAPGothic", "IPAGothic"}),
              "IPAGothic");
    EXPECT_EQ(chooseJapaneseFace("ＭＳ ゴシック", {"@IPAGothic", "Noto Sans CJK JP"}), "Noto Sans CJK JP");
    EXPECT_EQ(chooseJapaneseFace("ＭＳ ゴシック", {"ipaexgothic", "DejaVu Sans"}), "ipaexgothic");
    // Nothing Japanese installed: the name is passed on for Windows to map.
    EXPECT_EQ(chooseJapaneseFace("ＭＳ ゴシック", {"DejaVu Sans", "Tahoma"}), "ＭＳ ゴシック");
    EXPECT_EQ(chooseJapaneseFace("ＭＳ ゴシック", {}), "ＭＳ ゴシック");
}

TEST(JapaneseFace, LatinFacesAreNotJapanese) {
    EXPECT_TRUE(isJapaneseFace("ＭＳ ゴシック"));
    EXPECT_TRUE(isJapaneseFace("ms gothic"));
    EXPECT_TRUE(isJapaneseFace("IPAGothic"));
    EXPECT_TRUE(isJapaneseFace("MS UI Gothic"));  // the dialogs' face
    EXPECT_FALSE(isJapaneseFace("Small Fonts"));
    EXPECT_FALSE(isJapaneseFace("Tahoma"));
    // cp932 trail bytes that fall on ASCII letters do not make two names
    // alike: ゴ is 83 53 ('S'), ピ is 83 73 ('s').
    EXPECT_EQ(chooseJapaneseFace("ゴ", {"ピ"}), "ゴ");
    EXPECT_EQ(chooseJapaneseFace("ゴ", {"ピ", "IPAGothic"}), "IPAGothic");
}

}  // namespace
}  // namespace marilo
