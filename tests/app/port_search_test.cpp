#include "app/port_search.h"

#include <gtest/gtest.h>

#include <vector>

namespace marilo {
namespace {

std::vector<int> idsOf(const std::vector<PortAddress>& ports) {
    std::vector<int> ids;
    for (const PortAddress& p : ports) ids.push_back(p.commandId());
    return ids;
}

// ポナペ is 58003 in `marilo-cli --list-ports`.
TEST(PortSearch, KanaIsFoundHowEverItIsTyped) {
    const std::vector<int> ponape{58003};
    EXPECT_EQ(idsOf(findPorts(u"ポナペ")), ponape);
    EXPECT_EQ(idsOf(findPorts(u"ぽなぺ")), ponape);
    EXPECT_EQ(idsOf(findPorts(u"ﾎﾟﾅﾍﾟ")), ponape);  // half-width, marks apart
    const std::u16string combining = u"ほ\u309Aなへ\u309A";
    EXPECT_EQ(idsOf(findPorts(combining)), ponape);
    EXPECT_EQ(idsOf(findPorts(u"ﾅﾍﾟ")), ponape);
}

TEST(PortSearch, GroupNamesFindTheirPorts) {
    // The 18 ports filed under 静岡 are rows 136..153, 52201..52218.
    std::vector<int> shizuoka;
    for (int id = 52201; id <= 52218; ++id) shizuoka.push_back(id);
    EXPECT_EQ(idsOf(findPorts(u"静岡")), shizuoka);
    EXPECT_EQ(idsOf(findPorts(u"東海 静岡")), shizuoka);
    // Every word must match: 田子 and 田子の浦 are the ports of 静岡 holding 田子.
    EXPECT_EQ(idsOf(findPorts(u"　静岡  田子 ")), (std::vector<int>{52213, 52214}));
    EXPECT_EQ(idsOf(findPorts(u"関東 田子")), std::vector<int>{});
    // A chooser label: 白浜 stands in 千葉, 伊豆 and twice in 沖縄.
    EXPECT_EQ(idsOf(findPorts(u"白浜")), (std::vector<int>{51206, 52216, 54701, 54731}));
}

TEST(PortSearch, NothingOrOnlySpacesFindsNothing) {
    EXPECT_TRUE(findPorts(u"").empty());
    EXPECT_TRUE(findPorts(u"  　").empty());
    EXPECT_TRUE(findPorts(u"xyz").empty());
}

TEST(PortSearch, FoldingTreatsTheCommonFormsAlike) {
    EXPECT_EQ(foldForSearch(u"ＡＢｃ１２　Ｚ"), u"abc12 z");
    EXPECT_EQ(foldForSearch(u"ｶﾞｷﾞｸﾞｹﾞｺﾞﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟｳﾞｯｰ"), u"ガギグゲゴパピプペポヴッー");
    const std::u16string hiragana = u"がっこう ぱ \u3094 ゝゞ";  // U+3094 ゔ lies outside cp932
    EXPECT_EQ(foldForSearch(hiragana), u"ガッコウ パ ヴ ヽヾ");
    EXPECT_EQ(foldForSearch(u"ハ゜ト゛"), u"パド");  // the spacing marks
    // A mark with nothing to join keeps its place; kanji stay.
    const std::u16string voiced = u"\u3099", semiVoiced = u"\u309A";
    EXPECT_EQ(foldForSearch(u"ﾞ港ﾟ"), voiced + u"港" + semiVoiced);
    EXPECT_EQ(foldForSearch(u"ンﾞ"), u"ン" + voiced);
}

TEST(PortSearch, GroupTextNamesRegionAndPrefecture) {
    EXPECT_EQ(portGroupText(*PortAddress::at(22, 13)), u"東海 / 静岡");
    EXPECT_EQ(portGroupText(*PortAddress::at(80, 2)), u"その他");
    EXPECT_EQ(portGroupText(*PortAddress::at(1, 0)), u"北海道");
}

}  // namespace
}  // namespace marilo
