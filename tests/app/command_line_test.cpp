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
        EXPECT_NE(a.error.find(L"usage: Marilo.exe [--save-graph FILE.png]"), std::wstring::npos);
    }
    EXPECT_EQ(parseProgramArguments({L"--help"}).error.substr(0, 22), L"unknown argument: --he");
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
