// The popup menu as plain data: its items, the port chooser and its check
// marks, the Shift-only items, and what the controller shows for its day.
#include "app/menu_model.h"

#include <gtest/gtest.h>

#include <set>

#include "app/tray_controller.h"
#include "tests/port_at.h"
#include "tray_doubles.h"

namespace marilo {
namespace {

using Kind = MenuItem::Kind;

// The checked items of a tree, as "text" (by label) at every depth.
void collectChecked(const std::vector<MenuItem>& items, std::vector<std::string>& out) {
    for (const MenuItem& i : items) {
        if (i.checked) out.push_back(i.text);
        collectChecked(i.children, out);
    }
}
std::vector<std::string> checkedIn(const std::vector<MenuItem>& items) {
    std::vector<std::string> out;
    collectChecked(items, out);
    return out;
}

const MenuItem& chooser(const PopupMenuModel& m) { return m.items.at(7).children.at(0); }

TEST(PortChooser, RegionAndPrefecturePositionsOfEveryGroup) {
    // The tree's layout as listed for the chooser: group -> (region, prefecture).
    const std::vector<std::tuple<int, int, int>> layout = {
        {0, 0, -1},  {1, 0, -1},  {2, 1, 0},  {3, 1, 1},  {4, 1, 2},  {5, 1, 3},  {6, 1, 4},  {7, 1, 5},
        {8, 2, 0},   {12, 2, 1},  {13, 2, 2}, {14, 2, 3}, {15, 2, 4}, {16, 3, 0}, {17, 3, 1}, {18, 3, 2},
        {22, 4, 0},  {23, 4, 1},  {24, 4, 2}, {26, 5, 0}, {27, 5, 1}, {28, 5, 2}, {30, 5, 3}, {31, 6, 0},
        {32, 6, 1},  {33, 6, 2},  {34, 6, 3}, {35, 6, 4}, {36, 7, 0}, {37, 7, 1}, {38, 7, 2}, {39, 7, 3},
        {40, 8, 0},  {41, 8, 1},  {42, 8, 2}, {43, 8, 3}, {44, 8, 4}, {45, 8, 5}, {46, 8, 6}, {47, 8, 7},
        {80, 9, -1}};
    for (const auto& [group, region, pref] : layout) {
        EXPECT_EQ(regionPos(group), region) << group;
        EXPECT_EQ(prefPos(group), pref) << group;
    }
    for (int other : {-1, 9, 10, 11, 19, 25, 29, 48, 79, 81}) {
        EXPECT_EQ(regionPos(other), 0) << other;
        EXPECT_EQ(prefPos(other), 0) << other;
    }
}

TEST(PortChooser, EveryPortOnceWithItsLabelAndCommand) {
    const std::vector<MenuItem> tree = portTree(PortAddress());
    ASSERT_EQ(tree.size(), 10u);
    const char* regions[] = {"北海道", "東北", "関東", "北陸", "東海", "近畿", "中国", "四国", "九州", "その他"};
    std::set<int> commands;
    std::vector<std::pair<int, std::string>> ports;  // in menu order
    for (size_t r = 0; r < tree.size(); ++r) {
        EXPECT_EQ(tree[r].text, regions[r]);
        ASSERT_EQ(tree[r].kind, Kind::Popup);
        for (const MenuItem& item : tree[r].children) {
            if (item.kind == Kind::Popup)
                for (const MenuItem& port : item.children) ports.push_back({port.id, port.text});
            else
                ports.push_back({item.id, item.text});
        }
    }
    ASSERT_EQ(ports.size(), 358u);
    for (const auto& [id, label] : ports) EXPECT_TRUE(commands.insert(id).second) << id;
    // Spot checks from the chooser's list: first, last, and a label that
    // differs from the table's name.
    EXPECT_EQ(ports.front(), std::make_pair(50001, std::string("片岡湾")));
    EXPECT_EQ(ports[1], std::make_pair(50101, std::string("稚内")));
    EXPECT_EQ(ports.back(), std::make_pair(58003, std::string("ポナペ")));
    EXPECT_EQ(tree[4].children[0].text, "静岡");
    EXPECT_EQ(tree[4].children[0].children[13].text, "田子浦");
    EXPECT_EQ(tree[4].children[0].children[13].id, 52214);
    EXPECT_EQ(tree[2].children[4].text, "新潟");
    EXPECT_EQ(tree[2].children[4].children.size(), 7u);
    EXPECT_EQ(tree[8].children[7].children.size(), 36u);  // 沖縄
}

TEST(PopupMenu, DefaultPortTitleAndChecks) {
    const PopupMenuModel m = buildPopupMenu(PortAddress(), "田子の浦", {}, false);
    EXPECT_EQ(chooser(m).text, "場所設定(田子の浦)");
    EXPECT_EQ(checkedIn(chooser(m).children), (std::vector<std::string>{"東海", "静岡", "田子浦"}));

    const PopupMenuModel wakkanai = buildPopupMenu(portAt(1, 0), "稚内", {}, false);
    EXPECT_EQ(checkedIn(chooser(wakkanai).children), (std::vector<std::string>{"北海道", "稚内"}));
    const PopupMenuModel ponape = buildPopupMenu(portAt(80, 2), "ポナペ", {}, false);
    EXPECT_EQ(checkedIn(chooser(ponape).children), (std::vector<std::string>{"その他", "ポナペ"}));
}

TEST(PopupMenu, ItemsInOrderAndShiftAddsTwoAboveExit) {
    const std::vector<HighLowEntry> three = {{0, 5, 7, 151.4}, {1, 11, 30, -2.6}, {0, 17, 59, 98.0}};
    const PopupMenuModel m = buildPopupMenu(PortAddress(), "田子の浦", three, false);
    std::vector<std::pair<Kind, int>> shape;
    for (const MenuItem& i : m.items) shape.push_back({i.kind, i.id});
    const std::vector<std::pair<Kind, int>> plain = {
        {Kind::Command, 32777}, {Kind::Separator, 0}, {Kind::OwnerDrawn, 1125}, {Kind::Separator, 0},
        {Kind::OwnerDrawn, 1126}, {Kind::Separator, 0}, {Kind::Popup, 0},  {Kind::Popup, 0},
        {Kind::Command, 32809}, {Kind::Command, 32810}, {Kind::Separator, 0}, {Kind::Command, 32772}};
    EXPECT_EQ(shape, plain);
    EXPECT_EQ(m.items[9].text, "月間潮見表...");
    EXPECT_EQ(m.items[6].text, "干満時刻");
    EXPECT_EQ(m.items[7].text, "設定変更");
    EXPECT_EQ(m.items[7].children[1].text, "その他の設定...");
    EXPECT_EQ(m.items[7].children[1].id, 32778);
    ASSERT_EQ(m.items[7].children.size(), 4u);  // 港を検索... last
    EXPECT_EQ(m.items[7].children[2].text, "Windows の起動時に開始");
    EXPECT_EQ(m.items[7].children[2].id, 32811);
    EXPECT_FALSE(m.items[7].children[2].checked);
    EXPECT_TRUE(buildPopupMenu(PortAddress(), "田子の浦", three, false, {}, true).items[7].children[2].checked);

    // Three turning points: three lines and an empty item, all copying.
    const std::vector<MenuItem>& lines = m.items[6].children;
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, "H  5:07 151");
    EXPECT_EQ(lines[1].text, "L 11:30  -3");
    EXPECT_EQ(lines[3].text, "");
    for (const MenuItem& l : lines) EXPECT_EQ(l.id, 1134);
    EXPECT_EQ(m.hlText, "H  5:07 151\nL 11:30  -3\nH 17:59  98\n\n");

    const PopupMenuModel shifted = buildPopupMenu(PortAddress(), "田子の浦", three, true);
    ASSERT_EQ(shifted.items.size(), m.items.size() + 3);
    const size_t n = shifted.items.size();
    EXPECT_EQ(shifted.items[n - 4].text, "Iconリフレッシュ");
    EXPECT_EQ(shifted.items[n - 4].id, 1132);
    EXPECT_EQ(shifted.items[n - 3].text, "Copy 潮汐BMP");
    EXPECT_EQ(shifted.items[n - 3].id, 1133);
    EXPECT_EQ(shifted.items[n - 2].kind, Kind::Separator);
    EXPECT_EQ(shifted.items[n - 1].text, "終了");
}

TEST(PopupMenu, SunMoonAndDistantStationLinesFollowTheTideLines) {
    const std::vector<HighLowEntry> one = {{0, 5, 7, 151.4}};
    const DayNotes notes{"日の出 6:37  日の入り 16:27", "月の出 4:54  月の入り 14:48", "潮汐定数: Nemuroko (1146 km)"};
    const PopupMenuModel m = buildPopupMenu(PortAddress(), "田子の浦", one, false, notes);
    const std::vector<MenuItem>& lines = m.items[6].children;
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[4].kind, Kind::Separator);
    EXPECT_EQ(lines[5].text, notes.sun);
    EXPECT_EQ(lines[6].text, notes.moon);
    EXPECT_EQ(lines[5].id, 1134);  // a click copies the tide lines
    EXPECT_EQ(lines[6].id, 1134);
    EXPECT_EQ(lines[7].text, notes.constantsNote);
    EXPECT_TRUE(lines[7].grayed);
    EXPECT_FALSE(lines[5].grayed);
    EXPECT_EQ(m.hlText, "H  5:07 151\n\n\n\n");  // the notes are no tide lines

    // A port within 30 km of its station has no note.
    const PopupMenuModel near = buildPopupMenu(PortAddress(), "田子の浦", one, false, {notes.sun, notes.moon, ""});
    EXPECT_EQ(near.items[6].children.size(), 7u);
}

struct MenuBench {
    ControllerSettings cs;
    testing::RecordingShell shell;
    testing::RecordingImages images;
    testing::RecordingTimer timer;
    testing::SettableClock clock;
    testing::FakeTide tide;
    TrayController tray{cs, shell, images, timer, clock, tide};
};

TEST(PopupMenu, ControllerShowsTheShownDayAndKeepsItsTexts) {
    MenuBench b;
    b.clock.set(2024, 1, 12, 9, 30);
    b.tray.menu().pressStripButton(1);  // a day back: 2024-01-11 at the default port
    const PopupMenuModel m = b.tray.menu().popupMenu(false);
    EXPECT_EQ(b.tray.menu().selectedPortName(), "田子の浦");
    EXPECT_EQ(chooser(m).text, "場所設定(田子の浦)");
    // 06:12 high, 11:33 low, 16:35 high, 23:41 low.
    ASSERT_EQ(b.tray.menu().hlText().size(), 4 * 12u);
    EXPECT_EQ(b.tray.menu().hlText().substr(0, 8), "H  6:12 ");
    EXPECT_EQ(b.tray.menu().hlText().substr(12, 8), "L 11:33 ");
    EXPECT_EQ(b.tray.menu().hlText().substr(36, 12), "L 23:41 -17\n");
    EXPECT_EQ(b.tray.menu().hlText(), m.hlText);
}

TEST(PopupMenu, StripClickPlacedByTheClickPointAndTheLastGraphItem) {
    MenuBench b;
    b.tray.menu().setMenuPoint({500, 300});
    b.tray.menu().graphItemDrawn({3, 2, 243, 219}, std::nullopt);  // 240 wide: the strip from 70
    EXPECT_FALSE(b.tray.menu().stripClick(560, 96));     // left of the strip
    EXPECT_TRUE(b.tray.menu().stripClick(570 + 3 * 20 + 5, 96));
    EXPECT_EQ(b.tray.menu().dayOffset(), 1);
    EXPECT_TRUE(b.tray.menu().stripClick(500 - 240 + 70 + 2 * 20, 96));  // menu opened to the left: today
    EXPECT_EQ(b.tray.menu().dayOffset(), 0);

    // A menu pushed back onto the screen (click at 1014, the item from 907
    // to 1021, its strip from 914): the item's own place decides. The
    // right end of ▶ is no click on ▶▶.
    b.tray.menu().setMenuPoint({1014, 756});
    b.tray.menu().graphItemDrawn({3, 28, 117, 145}, 907);
    EXPECT_TRUE(b.tray.menu().stripClick(914 + 3 * 20 + 19, 96));
    EXPECT_EQ(b.tray.menu().dayOffset(), 1);
    EXPECT_FALSE(b.tray.menu().stripClick(913, 96));

    // At 150% the graph item at m = 2 is 288 wide; from 1000 on the screen
    // its 150-pixel strip starts at 1069, ▶ covering 1159 .. 1188 and ▶▶
    // 1189 .. 1218 (at 96 dpi 1188 would be on ▶▶).
    b.tray.menu().graphItemDrawn({3, 28, 291, 350}, 1000);
    EXPECT_FALSE(b.tray.menu().stripClick(1068, 144));
    EXPECT_TRUE(b.tray.menu().stripClick(1188, 144));
    EXPECT_EQ(b.tray.menu().dayOffset(), 2);
    EXPECT_FALSE(b.tray.menu().stripClick(1219, 144));
}

TEST(PopupMenu, StripFromTheKeyboard) {
    // The keys, with their unshifted and input-method forms; letters and
    // digits stay with the menu.
    const std::vector<std::pair<char32_t, int>> keys = {
        {U'[', 0}, {U'{', 0}, {U'「', 0}, {U'<', 1}, {U',', 1}, {U'、', 1}, {U'＜', 1},
        {U'>', 3}, {U'.', 3}, {U'。', 3}, {U'．', 3}, {U']', 4}, {U'}', 4}, {U'］', 4},
        {U'a', -1}, {U'0', -1}, {U'\r', -1}, {U' ', -1}, {U'=', -1}};
    for (const auto& [key, button] : keys) EXPECT_EQ(stripButtonForKey(key), button) << static_cast<uint32_t>(key);

    // A strip 240 wide drawn from 400: its buttons from 470, ▶ at 530 .. 549.
    MenuBench b;
    b.clock.set(2024, 1, 12, 9, 30);
    TrayMenu& menu = b.tray.menu();
    menu.stripDrawn(ScreenRect{400, 420, 640, 438});
    using Press = TrayMenu::StripPress;
    EXPECT_EQ(menu.stripCommand(3, {0, 0}, 96), Press::Keyboard);  // the key, wherever the mouse is
    EXPECT_EQ(menu.stripCommand(3, {535, 430}, 96), Press::Keyboard);
    EXPECT_EQ(menu.dayOffset(), 2);
    EXPECT_EQ(menu.stripCommand(std::nullopt, {535, 430}, 96), Press::Mouse);
    EXPECT_EQ(menu.dayOffset(), 3);
    EXPECT_EQ(menu.stripCommand(std::nullopt, {470, 437}, 96), Press::Mouse);  // ≪, a month back
    EXPECT_EQ(menu.dayOffset(), -28);  // 15 January to 15 December
    EXPECT_EQ(menu.stripCommand(std::nullopt, {550, 10}, 96), Press::Keyboard);  // Enter, the mouse elsewhere: today
    EXPECT_EQ(menu.dayOffset(), 0);
    EXPECT_EQ(menu.stripCommand(1, {0, 0}, 96), Press::Keyboard);
    EXPECT_EQ(menu.stripCommand(std::nullopt, {469, 430}, 96), Press::Nothing);  // beside the buttons
    EXPECT_EQ(menu.stripCommand(std::nullopt, {530, 438}, 96), Press::Keyboard);  // just below the strip
    EXPECT_EQ(menu.stripCommand(5, {535, 430}, 96), Press::Nothing);
    EXPECT_EQ(menu.dayOffset(), 0);

    // Reopened from the keyboard the strip is selected again: About, the
    // graph, the strip, separators passed over.
    const PopupMenuModel m = buildPopupMenu(PortAddress(), "田子の浦", {}, false);
    EXPECT_EQ(downPressesTo(m.items, kCmdCalendarStrip), 3);
    EXPECT_EQ(downPressesTo(m.items, kCmdAbout), 1);
    EXPECT_EQ(downPressesTo(m.items, kCmdExit), 8);
    EXPECT_EQ(downPressesTo(m.items, kCmdSettings), 0);  // inside 設定変更
}

TEST(GraphDay, TodayIsMarkedAndTheWeekdayTakesItsRuleColour) {
    ControllerSettings cs;
    cs.rules = DefaultRules();
    const DateTime sunday(2024, 1, 14, 15, 45);
    const GraphDay today = graphDayOf(cs, sunday, 0);
    EXPECT_TRUE(today.showsNow);
    EXPECT_EQ(today.nowHour * 100 + today.nowMinute, 1545);
    EXPECT_EQ(today.weekdayColor, 0x0000FFu);  // red
    EXPECT_EQ(today.day.date.day, 14);
    EXPECT_EQ(today.day.date.hour * 100 + today.day.date.minute, 0);

    const GraphDay tomorrow = graphDayOf(cs, sunday, 1);  // Monday 15th, no rule
    EXPECT_FALSE(tomorrow.showsNow);
    EXPECT_EQ(tomorrow.weekdayColor, 0u);
    EXPECT_EQ(tomorrow.day.date.day, 15);
    EXPECT_STREQ(tomorrow.day.portName, "田子の浦");
}

}  // namespace
}  // namespace marilo

namespace marilo {
namespace {

// Ports chosen through the menu head the chooser, the current one left out;
// "港を検索..." ends 設定変更.
TEST(PopupMenu, RecentPortsHeadTheChooserAndSearchEndsTheSettings) {
    MenuBench b;
    EXPECT_EQ(chooser(b.tray.menu().popupMenu(false)).children[0].text, "北海道");  // nothing chosen yet
    for (int id : {52214, 58003, 54731, 58003}) ASSERT_TRUE(b.tray.selectPort(id));
    const PopupMenuModel m = b.tray.menu().popupMenu(false);
    const std::vector<MenuItem>& tree = chooser(m).children;
    ASSERT_GE(tree.size(), 4u + kRegionCount);
    EXPECT_EQ(tree[0].text, "最近の港");
    EXPECT_TRUE(tree[0].grayed);
    EXPECT_EQ(tree[1].id, 54731);
    EXPECT_EQ(tree[1].text, "白浜");
    EXPECT_EQ(tree[2].id, 52214);
    EXPECT_EQ(tree[2].text, "田子浦");
    EXPECT_EQ(tree[3].kind, MenuItem::Kind::Separator);
    EXPECT_EQ(tree[4].text, "北海道");
    EXPECT_EQ(m.items[7].children[3].text, "港を検索...");
    EXPECT_EQ(m.items[7].children[3].id, 32812);
}

}  // namespace
}  // namespace marilo
