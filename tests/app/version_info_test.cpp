#include "app/version_info.h"

#include <gtest/gtest.h>

namespace marilo {
namespace {

TEST(Version, ParseAndLine) {
    VersionNumbers v;
    ASSERT_TRUE(ParseVersion("1, 6, 2, 0", v));
    EXPECT_EQ(versionLine(v), "Marilo Version 1.62");
    ASSERT_TRUE(ParseVersion(" -3,  +12,7", v));
    EXPECT_EQ(v.major, -3);
    EXPECT_EQ(v.minor, 12);
    EXPECT_EQ(v.revision, 7);
    // The failure text has no commas: a fixed line, nothing read past it.
    EXPECT_FALSE(ParseVersion("バージョン情報取得失敗", v));
    EXPECT_EQ(versionLine(v), "Marilo Version 0.00");
    EXPECT_FALSE(ParseVersion("1, 6", v));
    EXPECT_FALSE(ParseVersion(nullptr, v));
}

TEST(Version, OperatingSystemNames) {
    EXPECT_STREQ(OsNames[osIndexOf({2, 5, 1, 2600})], "WINXP");
    EXPECT_TRUE(isWindowsXpVersion({2, 5, 1, 2600}));
    EXPECT_STREQ(OsNames[osIndexOf({2, 5, 0, 2195})], "WIN2000");
    EXPECT_FALSE(isWindowsXpVersion({2, 5, 0, 2195}));
    EXPECT_STREQ(OsNames[osIndexOf({2, 6, 1, 7601})], "UnKnown");
    EXPECT_STREQ(OsNames[osIndexOf({2, 4, 0, 1381})], "WINNT40");
    EXPECT_STREQ(OsNames[osIndexOf({2, 3, 51, 1057})], "WINNT35");
    EXPECT_STREQ(OsNames[osIndexOf({1, 4, 0, 0x04000457})], "WIN95_OSR2_LATER");  // build 1111
    EXPECT_STREQ(OsNames[osIndexOf({1, 4, 0, 950})], "WIN95_OSR2_EARLIER");
    EXPECT_STREQ(OsNames[osIndexOf({1, 4, 10, 2222})], "WIN98SE");
    EXPECT_STREQ(OsNames[osIndexOf({1, 4, 90, 3000})], "WINME");
    EXPECT_STREQ(OsNames[osIndexOf({0, 3, 10, 0})], "WIN31");
}

TEST(Version, SupportMailCarriesDateSystemAndVersion) {
    const std::string url = supportMailUrl(2007, 3, 1, "WINXP", {1, 6, 2});
    EXPECT_EQ(url.rfind("mailto:Marilo サポート<support@example.com>?subject=Mariloについて&body=", 0), 0u);
    EXPECT_NE(url.find("body=日付:2007年3月1日%0D%0AＯＳのバージョン%20=%20WINXP%0D%0A"), std::string::npos);
    EXPECT_NE(url.find("Mariloのバージョン%20=%201.62%0D%0A%0D%0A内容：%0D%0A<以下に記述してください。>%0D%0A"),
              std::string::npos);
}

}  // namespace
}  // namespace marilo
