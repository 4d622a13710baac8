#include "app/recent_ports.h"

#include <gtest/gtest.h>

#include "app/memory_store.h"
#include "app/settings.h"

namespace marilo {
namespace {

PortAddress port(int id) { return *PortAddress::fromCommandId(id); }

std::vector<int> idsOf(const std::vector<PortAddress>& ports) {
    std::vector<int> ids;
    for (const PortAddress& p : ports) ids.push_back(p.commandId());
    return ids;
}

constexpr int A = 52214, B = 58003, C = 54731;

TEST(RecentPorts, ShowsTheOthersMostRecentFirst) {
    RecentPorts r;
    for (int id : {A, B, C, B}) r.chose(port(id));
    EXPECT_EQ(idsOf(r.shown(port(B))), (std::vector<int>{C, A}));
    EXPECT_EQ(r.storedText(), "58003,54731,52214");
}

TEST(RecentPorts, KeepsFiveBesidesTheCurrent) {
    RecentPorts r;
    for (int id : {50101, 50102, 50103, 50104, 50105, 50106, 50107}) r.chose(port(id));
    EXPECT_EQ(idsOf(r.shown(port(50107))), (std::vector<int>{50106, 50105, 50104, 50103, 50102}));
    // A current port the list never saw (the default on a first start).
    EXPECT_EQ(idsOf(r.shown(port(A))), (std::vector<int>{50107, 50106, 50105, 50104, 50103}));
}

TEST(RecentPorts, DamagedOrUnknownEntriesAreSkipped) {
    // 50100 is index -1, 59999 a group with no ports, 52299 past 静岡's 18.
    const RecentPorts r =
        RecentPorts::fromStoredText(",52214,x,50100,59999,52299,-52213,5221 4,0000052213,58003,52214,123456,54731");
    EXPECT_EQ(r.storedText(), "52214,58003,54731");
    EXPECT_TRUE(RecentPorts::fromStoredText("").all().empty());
    EXPECT_EQ(RecentPorts::fromStoredText("50101,50102,50103,50104,50105,50106,50107").storedText(),
              "50101,50102,50103,50104,50105,50106");
}

TEST(RecentPorts, StoredWithThePortAndBackAfterARestart) {
    MemoryStore store;
    ControllerSettings c;
    LoadSettings(store, c, false);
    for (int id : {A, B, C, B}) {
        c.port = port(id);
        c.recent.chose(c.port);
        SavePort(store, c);  // as the tray keeps a chosen port
    }
    ControllerSettings again;
    LoadSettings(store, again, false);
    EXPECT_EQ(again.port, port(B));
    EXPECT_EQ(idsOf(again.recent.shown(again.port)), (std::vector<int>{C, A}));

    // A value of another type reads as an empty list and does not stop the rest.
    store.putInt(kSettingsSection, "RecentPorts", 52214);
    LoadSettings(store, again, false);
    EXPECT_TRUE(again.recent.all().empty());
    EXPECT_EQ(again.port, port(B));
}

}  // namespace
}  // namespace marilo

namespace marilo {
namespace {

TEST(SaveValue, WritesThatValueAlone) {
    MemoryStore store;
    ControllerSettings c;
    c.settings.GraphDays = 3;
    c.settings.IsBig = false;
    SaveValue(store, c, "GraphDays");
    SaveValue(store, c, "NoSuchValue");
    SaveValue(store, c, "RuleN");
    EXPECT_EQ(store.getInt(kSettingsSection, "GraphDays", 0), 3);
    EXPECT_EQ(store.getInt(kSettingsSection, "IsBig", 7), 7);  // not written
    EXPECT_EQ(store.getInt(kSettingsSection, "RuleN", 7), 7);
    c.recent.chose(*PortAddress::fromCommandId(58003));
    SaveValue(store, c, "RecentPorts");
    EXPECT_EQ(store.getText(kSettingsSection, "RecentPorts", ""), "58003");
}

}  // namespace
}  // namespace marilo
