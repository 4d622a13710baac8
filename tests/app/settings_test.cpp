#include "app/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "app/memory_store.h"

namespace marilo {
namespace {

constexpr const char* S = kSettingsSection;

std::vector<uint8_t> binOf(std::initializer_list<int32_t> fields) {
    RuleList l;
    std::vector<int32_t> f(fields);
    for (std::size_t i = 0; i + 7 <= f.size(); i += 7) l.append(makeRule(f[i], f[i + 1], f[i + 2], f[i + 3], f[i + 4], f[i + 5], f[i + 6]));
    return packRules(l);
}

// A store as a previous run would have left it: defaults, not a first start.
MemoryStore savedStore() {
    MemoryStore store;
    ControllerSettings c;
    LoadSettings(store, c, false);
    return store;
}

ControllerSettings load(MemoryStore& store, bool xp = false) {
    ControllerSettings c;
    c.settings.RuleN = -999;  // make sure loading sets everything
    LoadSettings(store, c, xp);
    return c;
}

int32_t storedInt(MemoryStore& store, const char* name) {
    const MemoryStore::Value* v = store.find(S, name);
    EXPECT_NE(v, nullptr) << name;
    EXPECT_EQ(v->type, MemoryStore::Type::Int) << name;
    return v != nullptr ? v->integer : INT_MIN;
}

std::string storedText(MemoryStore& store, const char* name) {
    const MemoryStore::Value* v = store.find(S, name);
    EXPECT_NE(v, nullptr) << name;
    EXPECT_EQ(v->type, MemoryStore::Type::Text) << name;
    return v != nullptr ? v->text : "";
}

std::size_t binSize(MemoryStore& store) {
    const MemoryStore::Value* v = store.find(S, "BIN");
    EXPECT_NE(v, nullptr);
    return v != nullptr ? v->bytes.size() : 0;
}

TEST(Settings, FirstStartWritesEveryValueWithTheDefaults) {
    MemoryStore store;
    ControllerSettings c = load(store, true);
    const AppSettings& s = c.settings;
    EXPECT_EQ(s.RuleN, 3);
    EXPECT_EQ(s.TrayIcon, 9);
    EXPECT_TRUE(s.TrayClock);
    EXPECT_TRUE(s.PopCalMode);
    EXPECT_EQ(s.MousePop, 0);
    EXPECT_TRUE(s.IsXP);  // from the system test
    EXPECT_FALSE(s.IsVirgin);
    EXPECT_EQ(s.Alert, 1);
    EXPECT_EQ(s.DN3 + s.DN7 + s.UP3 + s.UP7, 0);
    EXPECT_EQ(s.STP, 1);
    EXPECT_EQ(s.PreTime, 0);
    EXPECT_EQ(s.Snd, 1);
    EXPECT_TRUE(s.IsFrame && s.IsShadow && s.IsTicks && s.IsPlate);
    EXPECT_EQ(s.GraphShowMode, 4);
    EXPECT_EQ(s.GraphSizeSet, 0);
    EXPECT_EQ(s.ColFrame, 0x000000u);
    EXPECT_EQ(s.ColPlate, 0xffffffu);
    EXPECT_EQ(s.ColShort, 0x0000ffu);
    EXPECT_EQ(s.ColLong, 0x000000u);
    EXPECT_EQ(s.ColTicks, 0x808080u);
    EXPECT_EQ(s.YH, 180);
    EXPECT_EQ(s.YL, -20);
    EXPECT_EQ(s.YT, 50);
    EXPECT_EQ(c.port, PortAddress());
    EXPECT_TRUE(c.IsBig);
    EXPECT_EQ(c.GraphScale, 2);
    EXPECT_TRUE(c.soundOn);
    ASSERT_EQ(c.rules.count(), 3);
    EXPECT_EQ(c.rules[0].kind, Holiday);

    // Everything stands in the store afterwards, in the save order.
    const std::vector<std::string> expected = {
        "RuleN", "TrayIcon", "TrayClock", "PopCalMode", "MousePop", "IsXP", "IsVirgin", "Alert", "DN3", "DN7",
        "UP3", "UP7", "STP", "PreTime", "Snd", "IsFrame", "IsShadow", "IsTicks", "IsPlate", "GraphShowMode",
        "GraphSizeSet", "ColFrame", "ColPlate", "ColShort", "ColLong", "ColTicks", "YH", "YL", "YT", "Ken",
        "Port", "IsBig", "BIN"};
    EXPECT_EQ(store.writeOrder(S), expected);
    EXPECT_EQ(store.size(), expected.size());
    EXPECT_EQ(storedInt(store, "IsVirgin"), 0);
    EXPECT_EQ(storedInt(store, "IsXP"), 1);
    EXPECT_EQ(storedInt(store, "YL"), -20);
    EXPECT_EQ(storedText(store, "ColPlate"), "ffffff");
    EXPECT_EQ(storedText(store, "ColFrame"), "0");
    EXPECT_EQ(store.find(S, "BIN")->bytes, binOf({3, 0, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 0, 6, 1, 1, 1, 1, 2}));
    EXPECT_EQ(binSize(store), 84u);
}

TEST(Settings, TheSystemTestDecidesIsXPOnlyOnTheFirstStart) {
    MemoryStore store;
    EXPECT_FALSE(load(store, false).settings.IsXP);
    store.putInt(S, "IsXP", 1);
    EXPECT_TRUE(load(store, false).settings.IsXP);
}

TEST(Settings, SecondStartReadsWhatTheFirstWrote) {
    MemoryStore store = savedStore();
    const std::size_t writes = store.writeLog().size();
    ControllerSettings c = load(store);
    EXPECT_EQ(store.writeLog().size(), writes);  // loading writes nothing after the first start
    EXPECT_EQ(c.rules.count(), 3);
    EXPECT_EQ(c.rules[2].weekday, 6);
    EXPECT_EQ(c.rules[2].colorIndex, 2);
}

TEST(Settings, ClockOnlyModeForcesTheClockIcon) {
    MemoryStore store = savedStore();
    store.putInt(S, "TrayIcon", 8);
    store.putInt(S, "TrayClock", 0);
    EXPECT_TRUE(load(store).settings.TrayClock);
    store.putInt(S, "TrayIcon", 7);
    EXPECT_FALSE(load(store).settings.TrayClock);
}

TEST(Settings, FlagsAreSetOnlyByOneAndSaveAsZeroOrOne) {
    MemoryStore store = savedStore();
    for (const char* name : {"IsFrame", "Alert", "DN3", "IsBig", "PopCalMode"}) store.putInt(S, name, 2);
    store.putInt(S, "STP", -1);
    store.putInt(S, "UP7", 1);
    ControllerSettings c = load(store);
    EXPECT_FALSE(c.settings.IsFrame);
    EXPECT_EQ(c.settings.Alert, 0);
    EXPECT_EQ(c.settings.DN3, 0);
    EXPECT_EQ(c.settings.STP, 0);
    EXPECT_EQ(c.settings.UP7, 1);
    EXPECT_FALSE(c.IsBig);
    EXPECT_FALSE(c.settings.PopCalMode);
    SaveSettings(store, c);
    for (const char* name : {"IsFrame", "Alert", "DN3", "IsBig", "PopCalMode", "STP"})
        EXPECT_EQ(storedInt(store, name), 0) << name;
    EXPECT_EQ(storedInt(store, "UP7"), 1);
}

TEST(Settings, SoundFollowsSnd) {
    MemoryStore store = savedStore();
    store.putInt(S, "Snd", 0);
    EXPECT_FALSE(load(store).soundOn);
}

TEST(Settings, ColourTexts) {
    MemoryStore store = savedStore();
    store.putText(S, "ColFrame", "ff");
    store.putText(S, "ColPlate", "0xff");
    store.putText(S, "ColShort", "zz");
    store.putText(S, "ColLong", "0XC0c0g9");
    store.putText(S, "ColTicks", "");
    ControllerSettings c = load(store);
    EXPECT_EQ(c.settings.ColFrame, 0xffu);
    EXPECT_EQ(c.settings.ColPlate, 0xffu);
    EXPECT_EQ(c.settings.ColShort, 0u);
    EXPECT_EQ(c.settings.ColLong, 0xc0c0u);
    EXPECT_EQ(c.settings.ColTicks, 0u);
    SaveSettings(store, c);
    EXPECT_EQ(storedText(store, "ColFrame"), "ff");
    EXPECT_EQ(storedText(store, "ColPlate"), "ff");
    EXPECT_EQ(storedText(store, "ColShort"), "0");
    EXPECT_EQ(storedText(store, "ColLong"), "c0c0");

    EXPECT_EQ(parseColorText("  808080"), 0x808080u);
    EXPECT_EQ(parseColorText("0x"), 0u);
    EXPECT_EQ(parseColorText("123456789abc"), 0xffffffffu);
    EXPECT_EQ(formatColorText(0x808080), "808080");
    EXPECT_EQ(formatColorText(0), "0");
}

TEST(Settings, GraphScaleTable) {
    EXPECT_EQ(graphScaleOf(true, 0), 2);
    EXPECT_EQ(graphScaleOf(true, 1), 3);
    EXPECT_EQ(graphScaleOf(true, 2), 3);
    EXPECT_EQ(graphScaleOf(false, 0), 1);
    EXPECT_EQ(graphScaleOf(false, 1), 2);
    EXPECT_EQ(graphScaleOf(false, 2), 1);
    MemoryStore store = savedStore();
    store.putInt(S, "IsBig", 0);
    store.putInt(S, "GraphSizeSet", 1);
    EXPECT_EQ(load(store).GraphScale, 2);
}

TEST(Settings, ValuesOthersGuardLoadAndSaveAsStored) {
    MemoryStore store = savedStore();
    store.putInt(S, "YT", 0);
    store.putInt(S, "YH", -30);
    store.putInt(S, "YL", 40);
    store.putInt(S, "PreTime", 17);
    store.putInt(S, "TrayIcon", -4);
    store.putInt(S, "MousePop", 9);
    store.putInt(S, "GraphShowMode", 100);
    ControllerSettings c = load(store);
    EXPECT_EQ(c.settings.YT, 0);
    EXPECT_EQ(c.settings.YH, -30);
    EXPECT_EQ(c.settings.PreTime, 17);
    EXPECT_EQ(c.settings.TrayIcon, -4);
    MemoryStore out;
    SaveSettings(out, c);
    for (const char* name : {"YT", "YH", "YL", "PreTime", "TrayIcon", "MousePop", "GraphShowMode"})
        EXPECT_EQ(storedInt(out, name), storedInt(store, name)) << name;
}

TEST(Settings, APortOutsideTheTableFallsBackToTheDefault) {
    MemoryStore store = savedStore();
    store.putInt(S, "Ken", 47);
    store.putInt(S, "Port", 35);
    ControllerSettings c = load(store);
    EXPECT_EQ(c.port, PortAddress::at(47, 35));  // the last port of 沖縄 is valid
    for (auto [ken, port] : {std::pair{47, 36}, {9, 0}, {-1, 0}, {22, -1}, {81, 0}, {INT_MAX, INT_MIN}}) {
        store.putInt(S, "Ken", ken);
        store.putInt(S, "Port", port);
        c = load(store);
        EXPECT_EQ(c.port, PortAddress()) << ken << "," << port;
    }
}

TEST(Settings, ChosenPortIsStoredOnSave) {
    MemoryStore store = savedStore();
    ControllerSettings c = load(store);
    c.port = *PortAddress::at(13, 2);
    SaveSettings(store, c);
    EXPECT_EQ(store.find(S, "Ken")->integer, 13);
    EXPECT_EQ(store.find(S, "Port")->integer, 2);
    EXPECT_EQ(load(store).port, PortAddress::at(13, 2));
}

TEST(SettingsRules, NoRules) {
    MemoryStore store = savedStore();
    store.putInt(S, "RuleN", 0);
    ControllerSettings c = load(store);
    EXPECT_TRUE(c.rules.empty());
    EXPECT_EQ(c.settings.RuleN, 0);
    SaveSettings(store, c);
    EXPECT_EQ(binSize(store), 0u);
    EXPECT_EQ(storedInt(store, "RuleN"), 0);
}

TEST(SettingsRules, UnusedFieldsAndOddValuesSurviveARoundTrip) {
    MemoryStore store = savedStore();
    const std::vector<uint8_t> bin =
        binOf({5, 3, 17, INT_MAX, 2, 30, 4, 42, -7, 0, 0, INT_MIN, 99, -1, 2, 6, 31, 5, 12, 31, 6});
    store.putBinary(S, "BIN", bin.data(), bin.size());
    store.putInt(S, "RuleN", 3);
    ControllerSettings c = load(store);
    ASSERT_EQ(c.rules.count(), 3);
    EXPECT_EQ(c.rules[0].nthOrLength, INT_MAX);
    EXPECT_EQ(c.rules[1].kind, 42);
    EXPECT_EQ(c.rules[0].text[0], '\0');
    MemoryStore out;
    SaveSettings(out, c);
    EXPECT_EQ(out.find(S, "BIN")->bytes, bin);
}

TEST(SettingsRules, ShortMissingOrAbsurdStoredListsKeepTheCompleteRecords) {
    const std::vector<uint8_t> two = binOf({4, 0, 1, 1, 12, 24, 6, 0, 3, 1, 1, 1, 1, 3});
    struct Case {
        int32_t ruleN;
        std::size_t bytes;
        int32_t expected;
    };
    for (const Case& k : {Case{2, 56, 2}, Case{3, 56, 2}, Case{2, 55, 1}, Case{10'000'000, 56, 2},
                          Case{INT_MAX, 56, 2}, Case{1, 56, 1}, Case{-1, 56, 0}, Case{INT_MIN, 56, 0},
                          Case{2, 27, 0}, Case{2, 0, 0}}) {
        MemoryStore store = savedStore();
        store.putInt(S, "RuleN", k.ruleN);
        store.putBinary(S, "BIN", two.data(), k.bytes);
        ControllerSettings c = load(store);
        EXPECT_EQ(c.rules.count(), k.expected) << k.ruleN << " " << k.bytes;
        EXPECT_EQ(c.settings.RuleN, k.expected) << k.ruleN << " " << k.bytes;
        if (k.expected >= 1) {
            EXPECT_EQ(c.rules[0].colorIndex, 6);
        }
        if (k.expected == 2) {
            EXPECT_EQ(c.rules[1].weekday, 3);
        }
        // Saved back: the count and the records agree, the records unchanged.
        SaveSettings(store, c);
        EXPECT_EQ(storedInt(store, "RuleN"), k.expected);
        EXPECT_EQ(binSize(store), static_cast<std::size_t>(k.expected) * 28);
    }
    MemoryStore store = savedStore();
    store.erase(S, "BIN");
    EXPECT_TRUE(load(store).rules.empty());
    store.putText(S, "BIN", "not bytes");
    EXPECT_TRUE(load(store).rules.empty());
}

TEST(SettingsRules, ValuesOfAnotherTypeReadAsDefaults) {
    MemoryStore store = savedStore();
    store.putText(S, "TrayIcon", "3");
    store.putInt(S, "ColPlate", 0x123);
    ControllerSettings c = load(store);
    EXPECT_EQ(c.settings.TrayIcon, 9);
    EXPECT_EQ(c.settings.ColPlate, 0xffffffu);
}

TEST(SettingsRules, SavingWritesTheCountOfTheListItSaves) {
    MemoryStore store;
    ControllerSettings c;
    c.settings.IsVirgin = false;
    c.rules = DefaultRules();
    c.settings.RuleN = 7;  // out of step with the list
    SaveSettings(store, c);
    EXPECT_EQ(storedInt(store, "RuleN"), 3);
    EXPECT_EQ(binSize(store), 84u);
}

}  // namespace
}  // namespace marilo
