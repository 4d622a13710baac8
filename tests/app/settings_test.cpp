#include "app/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <variant>
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
    EXPECT_TRUE(c.settings.IsBig);
    EXPECT_EQ(c.graphScale(), 2);
    ASSERT_EQ(c.rules.count(), 3);
    EXPECT_EQ(c.rules[0].kind, Holiday);

    // Everything stands in the store afterwards, in the save order.
    const std::vector<std::string> expected = {
        "RuleN", "TrayIcon", "TrayClock", "PopCalMode", "MousePop", "IsXP", "IsVirgin", "Alert", "DN3", "DN7",
        "UP3", "UP7", "STP", "PreTime", "Snd", "IsFrame", "IsShadow", "IsTicks", "IsPlate", "GraphShowMode",
        "GraphSizeSet", "ColFrame", "ColPlate", "ColShort", "ColLong", "ColTicks", "YH", "YL", "YT", "Ken",
        "Port", "IsBig", "QuietBusy", "RecentPorts", "GraphDays", "BIN"};
    EXPECT_EQ(store.writeOrder(S), expected);
    EXPECT_EQ(storedInt(store, "QuietBusy"), 1);
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
    EXPECT_FALSE(c.settings.IsBig);
    EXPECT_FALSE(c.settings.PopCalMode);
    SaveSettings(store, c);
    for (const char* name : {"IsFrame", "Alert", "DN3", "IsBig", "PopCalMode", "STP"})
        EXPECT_EQ(storedInt(store, name), 0) << name;
    EXPECT_EQ(storedInt(store, "UP7"), 1);
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
    EXPECT_EQ(load(store).graphScale(), 2);
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
    store.putBinary(S, "BIN", nullptr, 0);  // as the program stores an empty list
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
    // BIN's own length counts, whatever RuleN says.
    for (const Case& k : {Case{2, 56, 2}, Case{3, 56, 2}, Case{2, 55, 1}, Case{10'000'000, 56, 2},
                          Case{INT_MAX, 56, 2}, Case{1, 56, 2}, Case{-1, 56, 2}, Case{INT_MIN, 56, 2},
                          Case{0, 56, 2}, Case{2, 27, 0}, Case{2, 0, 0}}) {
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

// Every value of the declaration on its own: a value other than its default
// survives a save and a load; a value of the wrong type reads as the
// default; an out-of-range one reads as the type says (flags as clear,
// integers as stored, a port as the default port) and saves back as it
// loaded.
TEST(SettingsDeclaration, EveryValueRoundTripsAndWithstandsHostileValues) {
    const PortAddress defaultPort;
    for (const SettingInfo& f : kStoredSettings) {
        SCOPED_TRACE(f.name);
        if (f.type == SettingType::Count) continue;  // RuleN follows BIN (SettingsRules)
        if (f.type == SettingType::PortList) continue;  // RecentPortsStored
        const bool port = f.type == SettingType::PortGroup || f.type == SettingType::PortIndex;
        const bool color = f.type == SettingType::Color;
        // Another value: the other end of the range; for a port, both parts
        // of one that exists (the last port of 沖縄).
        const PortAddress okinawa = *PortAddress::at(47, 35);
        const int64_t other = port ? (f.type == SettingType::PortGroup ? okinawa.group() : okinawa.index())
                              : f.defaultValue == f.highest ? f.lowest : f.highest;
        MemoryStore store = savedStore();
        if (port) store.putInt(S, f.type == SettingType::PortGroup ? "Port" : "Ken",
                               f.type == SettingType::PortGroup ? okinawa.index() : okinawa.group());
        if (color) store.putText(S, f.name, formatColorText(static_cast<uint32_t>(other)).c_str());
        else store.putInt(S, f.name, static_cast<int32_t>(other));
        ControllerSettings c = load(store);
        MemoryStore out;
        SaveSettings(out, c);
        const int64_t saved = color ? parseColorText(storedText(out, f.name).c_str()) : storedInt(out, f.name);
        EXPECT_EQ(saved, other);
        if (f.get != nullptr) {
            EXPECT_EQ(f.get(load(out).settings), other);
        }

        // The wrong type: as if nothing were stored.
        MemoryStore wrong = savedStore();
        wrong.erase(S, f.name);
        const ControllerSettings absent = load(wrong);
        if (color) wrong.putInt(S, f.name, 0x123);
        else wrong.putText(S, f.name, "1");
        c = load(wrong);
        if (f.get != nullptr) {
            EXPECT_EQ(f.get(c.settings), f.get(absent.settings));
        }
        EXPECT_EQ(c.port, defaultPort);

        // Out of range.
        MemoryStore odd = savedStore();
        const int32_t beyond = f.highest < INT32_MAX ? static_cast<int32_t>(f.highest) + 1 : INT32_MIN;
        if (color) odd.putText(S, f.name, "1000000");
        else odd.putInt(S, f.name, beyond);
        c = load(odd);
        MemoryStore back;
        SaveSettings(back, c);
        switch (f.type) {
            case SettingType::Flag:
            case SettingType::Switch: EXPECT_EQ(storedInt(back, f.name), 0); break;
            case SettingType::Integer: EXPECT_EQ(storedInt(back, f.name), beyond); break;
            case SettingType::Color: EXPECT_EQ(storedText(back, f.name), "1000000"); break;
            default: EXPECT_EQ(c.port, defaultPort);
        }
    }
}

// What the program wrote before its settings were declared in one table,
// value for value (a MemoryStore dump of a saved, far from default record).
struct StoredValue {
    const char* name;
    std::variant<int32_t, const char*, std::vector<uint8_t>> value;
};
const StoredValue kEarlierStore[] = {
    {"RuleN", 5},
    {"TrayIcon", 7},
    {"TrayClock", 0},
    {"PopCalMode", 0},
    {"MousePop", 2},
    {"IsXP", 0},
    {"IsVirgin", 0},
    {"Alert", 0},
    {"DN3", 0},
    {"DN7", 1},
    {"UP3", 1},
    {"UP7", 1},
    {"STP", 0},
    {"PreTime", 5},
    {"Snd", 0},
    {"IsFrame", 0},
    {"IsShadow", 0},
    {"IsTicks", 1},
    {"IsPlate", 0},
    {"GraphShowMode", 1},
    {"GraphSizeSet", 2},
    {"ColFrame", "abcdef"},
    {"ColPlate", "123456"},
    {"ColShort", "0"},
    {"ColLong", "ff"},
    {"ColTicks", "ff00"},
    {"YH", 250},
    {"YL", -35},
    {"YT", 20},
    {"Ken", 47},
    {"Port", 35},
    {"IsBig", 0},
    {"BIN", std::vector<uint8_t>{3,0,0,0,0,0,0,0,1,0,0,0,1,0,0,0,1,0,0,0,1,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,1,0,0,0,1,0,0,0,1,0,0,0,1,0,0,0,0,0,0,0,6,0,0,0,1,0,0,0,1,0,0,0,1,0,0,0,1,0,0,0,2,0,0,0,4,0,0,0,0,0,0,0,1,0,0,0,1,0,0,0,12,0,0,0,24,0,0,0,6,0,0,0,5,0,0,0,3,0,0,0,17,0,0,0,7,0,0,0,2,0,0,0,30,0,0,0,4,0,0,0,}},
};

TEST(SettingsDeclaration, ValuesStoredByTheEarlierProgramLoadUnchanged) {
    MemoryStore store;
    for (const StoredValue& v : kEarlierStore) {
        if (const int32_t* i = std::get_if<int32_t>(&v.value)) store.putInt(S, v.name, *i);
        else if (const char* const* t = std::get_if<const char*>(&v.value)) store.putText(S, v.name, *t);
        else {
            const std::vector<uint8_t>& b = std::get<std::vector<uint8_t>>(v.value);
            store.putBinary(S, v.name, b.data(), b.size());
        }
    }
    const ControllerSettings c = load(store);
    const AppSettings& s = c.settings;
    EXPECT_EQ(s.TrayIcon, 7);
    EXPECT_FALSE(s.TrayClock || s.PopCalMode || s.IsXP || s.IsVirgin || s.IsFrame || s.IsShadow || s.IsPlate);
    EXPECT_TRUE(s.IsTicks);
    EXPECT_EQ(s.MousePop, 2);
    EXPECT_EQ(s.Alert + s.Snd + s.STP + s.DN3, 0);
    EXPECT_EQ(s.UP3 + s.UP7 + s.DN7, 3);
    EXPECT_EQ(s.PreTime, 5);
    EXPECT_EQ(s.GraphShowMode, 1);
    EXPECT_EQ(s.GraphSizeSet, 2);
    EXPECT_EQ(s.ColFrame, 0xabcdefu);
    EXPECT_EQ(s.ColPlate, 0x123456u);
    EXPECT_EQ(s.ColShort, 0u);
    EXPECT_EQ(s.ColLong, 0xffu);
    EXPECT_EQ(s.ColTicks, 0x00ff00u);
    EXPECT_EQ(s.YH, 250);
    EXPECT_EQ(s.YL, -35);
    EXPECT_EQ(s.YT, 20);
    EXPECT_EQ(c.port, PortAddress::at(47, 35));
    EXPECT_FALSE(s.IsBig);
    EXPECT_EQ(s.QuietBusy, 1);  // absent from the earlier store: on
    ASSERT_EQ(c.rules.count(), 5);
    EXPECT_EQ(c.rules[3].month, 12);
    EXPECT_EQ(c.rules[4].nthOrLength, 7);
    // Saved again, the store holds the same values, written in the same order.
    MemoryStore again;
    SaveSettings(again, c);
    // Besides the values declared since (alerts held while the user is busy,
    // the ports chosen last, the graph window's days).
    std::vector<std::string> order = again.writeOrder(S);
    std::erase(order, "QuietBusy");
    std::erase(order, "RecentPorts");
    std::erase(order, "GraphDays");
    ASSERT_EQ(order.size(), std::size(kEarlierStore));
    for (std::size_t i = 0; i < std::size(kEarlierStore); ++i) {
        const StoredValue& v = kEarlierStore[i];
        EXPECT_EQ(order[i], v.name);
        const MemoryStore::Value* got = again.find(S, v.name);
        if (const int32_t* n = std::get_if<int32_t>(&v.value)) {
            EXPECT_EQ(got->integer, *n) << v.name;
        } else if (const char* const* t = std::get_if<const char*>(&v.value)) {
            EXPECT_EQ(got->text, *t) << v.name;
        } else {
            EXPECT_EQ(got->bytes, std::get<std::vector<uint8_t>>(v.value));
        }
    }
}

// A damaged value never costs the others: an unreadable first-start marker
// is no first start, a negative RuleN keeps the rules, and Exit saves them.
TEST(SettingsDamage, AnUnreadableMarkerOrCountKeepsTheStoredRules) {
    const std::vector<uint8_t> four = binOf({3, 0, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 0, 6, 1, 1, 1, 1, 2,
                                             4, 0, 1, 1, 12, 24, 6});
    for (int damage = 0; damage < 3; ++damage) {
        SCOPED_TRACE(damage);
        MemoryStore store = savedStore();
        store.putInt(S, "IsXP", 0);
        store.putInt(S, "RuleN", 4);
        store.putBinary(S, "BIN", four.data(), four.size());
        if (damage == 0) store.putText(S, "IsVirgin", "no");
        if (damage == 1) store.putInt(S, "RuleN", -4);
        if (damage == 2) store.erase(S, "IsVirgin");
        ControllerSettings c = load(store, true);
        EXPECT_EQ(c.rules.count(), 4);
        EXPECT_FALSE(c.settings.IsXP);  // not replaced by the system test
        SaveSettings(store, c);         // Exit
        EXPECT_EQ(store.find(S, "BIN")->bytes, four);
        EXPECT_EQ(storedInt(store, "RuleN"), 4);
    }
    // Only an empty store is a first start; an IsVirgin of 1 alone is one too.
    MemoryStore fresh;
    fresh.putInt(S, "IsVirgin", 1);
    EXPECT_EQ(load(fresh).rules.count(), 3);
    EXPECT_EQ(binSize(fresh), 84u);
}

// Loading says whether it was a first start (the program's first-start
// notification rests on it): once, and never after the store was written.
TEST(Settings, LoadingTellsAFirstStartOnce) {
    MemoryStore store;
    ControllerSettings c;
    EXPECT_TRUE(LoadSettings(store, c, false));
    EXPECT_FALSE(LoadSettings(store, c, false));
    MemoryStore damaged = savedStore();
    damaged.putText(S, "IsVirgin", "no");
    EXPECT_FALSE(LoadSettings(damaged, c, false));
}

// A port chosen from the menu is stored at once: a later end without Exit
// (no SaveSettings) keeps it, and nothing else is written with it but the
// list of ports chosen last.
TEST(Settings, APortChosenFromTheMenuIsStoredAtOnce) {
    MemoryStore store = savedStore();
    ControllerSettings c = load(store);
    c.settings.YH = 77;  // edited but not yet saved
    c.port = *PortAddress::at(13, 2);
    const std::size_t writes = store.writeLog().size();
    SavePort(store, c);
    EXPECT_EQ(store.writeLog().size(), writes + 3);
    const ControllerSettings restarted = load(store);
    EXPECT_EQ(restarted.port, PortAddress::at(13, 2));
    EXPECT_EQ(restarted.settings.YH, 180);
}

}  // namespace
}  // namespace marilo
