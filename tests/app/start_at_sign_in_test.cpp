#include "app/start_at_sign_in.h"

#include <gtest/gtest.h>

namespace marilo {
namespace {

// The two registry values in memory.
struct FakeEntry final : StartupEntry {
    std::optional<std::wstring> run;
    std::vector<uint8_t> mark;
    std::optional<std::wstring> command() override { return run; }
    std::vector<uint8_t> approval() override { return mark; }
    void writeCommand(const std::wstring& c) override { run = c; }
    void writeApproval(const std::vector<uint8_t>& m) override { mark = m; }
    void remove() override {
        run.reset();
        mark.clear();
    }
};

const std::wstring exe = L"C:\\Users\\hana\\AppData\\Local\\Programs\\Marilo\\Marilo.exe";

TEST(StartAtSignIn, CommandMustStartThisExecutable) {
    EXPECT_TRUE(commandStartsExecutable(L"\"" + exe + L"\"", exe));
    EXPECT_TRUE(commandStartsExecutable(L"  \"c:\\users\\HANA\\appdata\\local\\programs\\marilo\\MARILO.EXE\" -x", exe));
    EXPECT_TRUE(commandStartsExecutable(L"C:\\Tools\\Marilo.exe /quiet", L"C:\\Tools\\Marilo.exe"));
    EXPECT_TRUE(commandStartsExecutable(L"C:/Tools/Marilo.exe", L"C:\\Tools\\Marilo.exe"));
    // An unquoted path with a blank names only its first word.
    EXPECT_FALSE(commandStartsExecutable(L"C:\\My Tools\\Marilo.exe", L"C:\\My Tools\\Marilo.exe"));
    EXPECT_FALSE(commandStartsExecutable(L"\"D:\\Marilo\\Marilo.exe\"", exe));  // another copy
    EXPECT_FALSE(commandStartsExecutable(L"\"" + exe, exe + L"x"));
    EXPECT_FALSE(commandStartsExecutable(L"", L""));
}

TEST(StartAtSignIn, StartupManagerMarkOddFirstByteTurnsItOff) {
    FakeEntry e;
    EXPECT_FALSE(startsAtSignIn(e, exe));
    e.run = L"\"" + exe + L"\"";
    EXPECT_TRUE(startsAtSignIn(e, exe));
    e.mark = {3, 0, 0, 0, 0x40, 0x1f, 0x6b, 0x2c, 0x7e, 0x5d, 0xda, 0x01};
    EXPECT_FALSE(startsAtSignIn(e, exe));
    e.mark = {1};
    EXPECT_FALSE(startsAtSignIn(e, exe));
    e.mark = {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(startsAtSignIn(e, exe));
    e.mark = {6};
    EXPECT_TRUE(startsAtSignIn(e, exe));
}

TEST(StartAtSignIn, OnWritesQuotedPathAndApprovesAgainOffRemoves) {
    FakeEntry e;
    e.run = L"\"D:\\old\\Marilo.exe\"";
    e.mark = {3, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
    setStartAtSignIn(e, exe, true);
    EXPECT_EQ(e.run, L"\"C:\\Users\\hana\\AppData\\Local\\Programs\\Marilo\\Marilo.exe\"");
    EXPECT_EQ(e.mark, (std::vector<uint8_t>{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(startsAtSignIn(e, exe));

    // An approved mark is left as the start-up manager wrote it.
    e.mark = {2, 0, 0, 0, 9, 9, 9, 9, 9, 9, 9, 9};
    setStartAtSignIn(e, exe, true);
    EXPECT_EQ(e.mark[4], 9);

    setStartAtSignIn(e, exe, false);
    EXPECT_FALSE(e.run.has_value());
    EXPECT_FALSE(startsAtSignIn(e, exe));
}

}  // namespace
}  // namespace marilo
