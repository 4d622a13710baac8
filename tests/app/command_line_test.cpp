// The program's command line and the store that keeps a run from writing
// settings.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include "app/memory_store.h"
#include "app/read_only_store.h"
#include "app/settings.h"

namespace marilo {
namespace {

using Action = ProgramArguments::Action;

TEST(CommandLine, NothingRunsResidentSaveGraphTakesOneFileAndTheRestIsRefused) {
    EXPECT_EQ(parseProgramArguments({}).action, Action::RunResident);
    const ProgramArguments save = parseProgramArguments({L"--save-graph", L"C:\\tmp\\潮.png"});
    EXPECT_EQ(save.action, Action::SaveGraph);
    EXPECT_EQ(save.file, L"C:\\tmp\\潮.png");

    const std::vector<std::vector<std::wstring>> bad = {
        {L"--help"}, {L"/save-graph", L"x.png"}, {L"--save-graph"}, {L"--save-graph", L""},
        {L"--save-graph", L"a.png", L"b.png"}, {L"x.png"}};
    for (const auto& args : bad) {
        const ProgramArguments a = parseProgramArguments(args);
        EXPECT_EQ(a.action, Action::Refuse);
        EXPECT_NE(a.error.find(L"usage: Marilo.exe [--save-graph FILE.png | --save-month FILE.png [YYYY-MM]]"),
                  std::wstring::npos);
    }
    EXPECT_EQ(parseProgramArguments({L"--help"}).error.substr(0, 22), L"unknown argument: --he");
    // An empty argument is named as one, not left out of the reason.
    for (const auto& args : std::vector<std::vector<std::wstring>>{
             {L""}, {L"--save-graph", L"g.png", L""}, {L"--save-graph", L"g.png", L"--scale", L""}}) {
        const std::wstring a = parseProgramArguments(args).error;
        EXPECT_NE(a.substr(0, a.find(L'\n')).find(L": (an empty argument)"), std::wstring::npos) << a;
    }
}

TEST(CommandLine, SaveMonthTakesAFileAndAnOptionalMonth) {
    const ProgramArguments now = parseProgramArguments({L"--save-month", L"m.png"});
    EXPECT_EQ(now.action, Action::SaveMonth);
    EXPECT_EQ(now.file, L"m.png");
    EXPECT_EQ(now.year, 0);
    const ProgramArguments march = parseProgramArguments({L"--save-month", L"m.png", L"2024-03"});
    EXPECT_EQ(march.action, Action::SaveMonth);
    EXPECT_EQ(march.year, 2024);
    EXPECT_EQ(march.month, 3);
    for (const wchar_t* bad : {L"2024-13", L"2024-3", L"2024-00", L"0999-01", L"２０２４-03", L"2024/03"}) {
        const ProgramArguments a = parseProgramArguments({L"--save-month", L"m.png", bad});
        EXPECT_EQ(a.action, Action::Refuse);
        EXPECT_EQ(a.error.substr(0, a.error.find(L'\n')),
                  std::wstring(L"--save-month: '") + bad + L"' is not a month of the form YYYY-MM");
    }
    EXPECT_EQ(parseProgramArguments({L"--save-month"}).action, Action::Refuse);
    EXPECT_EQ(parseProgramArguments({L"--save-month", L"m.png", L"2024-03", L"x"}).action, Action::Refuse);
}

TEST(CommandLine, ScaleGoesWithSaveGraphAsAWholePercentage) {
    EXPECT_EQ(parseProgramArguments({L"--save-graph", L"g.png"}).dpi, 96);
    EXPECT_EQ(parseProgramArguments({L"--save-graph", L"g.png", L"--scale", L"150"}).dpi, 144);
    EXPECT_EQ(parseProgramArguments({L"--scale", L"125", L"--save-graph", L"g.png"}).dpi, 120);
    const std::vector<std::vector<std::wstring>> bad = {
        {L"--scale", L"150"},                                         // nothing to scale
        {L"--save-graph", L"g.png", L"--scale"},                      // no value
        {L"--save-graph", L"g.png", L"--scale", L"1.5"},              // not a percentage
        {L"--save-graph", L"g.png", L"--scale", L"99"},               // below 100
        {L"--save-graph", L"g.png", L"--scale", L"401"},              // above 400
        {L"--save-graph", L"g.png", L"--scale", L"-150"},
        {L"--save-graph", L"g.png", L"--scale", L"150", L"--scale", L"150"},
        {L"--save-graph", L"g.png", L"--save-graph", L"h.png"}};
    for (const auto& args : bad) EXPECT_EQ(parseProgramArguments(args).action, Action::Refuse) << args.back();
    EXPECT_EQ(parseProgramArguments({L"--save-graph", L"g.png", L"--scale", L"2"}).error.find(
                  L"--scale takes a whole percentage from 100 to 400, not: 2\nusage:"),
              0u);
}

TEST(CommandLine, DaysGoWithSaveGraphFromOneToFour) {
    EXPECT_EQ(parseProgramArguments({L"--save-graph", L"g.png"}).days, 1);
    EXPECT_EQ(parseProgramArguments({L"--save-graph", L"g.png", L"--days", L"3"}).days, 3);
    EXPECT_EQ(parseProgramArguments({L"--days", L"4", L"--scale", L"150", L"--save-graph", L"g.png"}).days, 4);
    const std::vector<std::vector<std::wstring>> bad = {
        {L"--days", L"2"},                                   // nothing to draw
        {L"--save-month", L"m.png", L"--days", L"2"},
        {L"--save-graph", L"g.png", L"--days"},
        {L"--save-graph", L"g.png", L"--days", L"0"},
        {L"--save-graph", L"g.png", L"--days", L"5"},
        {L"--save-graph", L"g.png", L"--days", L"03"},
        {L"--save-graph", L"g.png", L"--days", L"2", L"--days", L"2"}};
    for (const auto& args : bad) EXPECT_EQ(parseProgramArguments(args).action, Action::Refuse) << args.back();
    EXPECT_EQ(parseProgramArguments({L"--save-graph", L"g.png", L"--days", L"5"}).error.find(
                  L"--days takes 1, 2, 3 or 4, not: 5\nusage:"),
              0u);
}

TEST(ReadOnlyStore, AFirstStartThroughItReadsDefaultsAndWritesNothing) {
    MemoryStore empty;
    ReadOnlyStore ro(empty);
    ControllerSettings cs;
    LoadSettings(ro, cs, false);
    EXPECT_EQ(cs.settings.YH, 180);
    EXPECT_EQ(cs.rules.count(), 3);
    EXPECT_EQ(empty.getInt(kSettingsSection, "IsVirgin", 7), 7);  // nothing stored

    MemoryStore stored;
    stored.putInt(kSettingsSection, "IsVirgin", 0);
    stored.putInt(kSettingsSection, "YH", 250);
    stored.putInt(kSettingsSection, "RuleN", 0);
    ReadOnlyStore through(stored);
    LoadSettings(through, cs, false);
    SaveSettings(through, cs);
    EXPECT_EQ(cs.settings.YH, 250);
    EXPECT_EQ(stored.getInt(kSettingsSection, "Ken", -1), -1);
}

}  // namespace
}  // namespace marilo
