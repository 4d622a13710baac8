// The version resource as the running executable carries it (this test
// links the program's resources), under Wine.
#include <gtest/gtest.h>

#include "app/version_info.h"

namespace marilo {
namespace {

TEST(VersionResource, FileVersionGivesTheVersionLine) {
    const std::string text = GetVersionText();
    EXPECT_EQ(text, "1, 6, 2, 0");
    VersionNumbers v;
    ASSERT_TRUE(ParseVersion(text.c_str(), v));
    EXPECT_EQ(versionLine(v), "Marilo Version 1.62");
}

TEST(VersionResource, RunningSystemHasAName) {
    const int index = DetectOs();
    EXPECT_GE(index, 0);
    EXPECT_LT(index, kOsNameCount);
    EXPECT_EQ(DetectOs(), index);  // the same on every call
}

}  // namespace
}  // namespace marilo
