#include "app/menu_model.h"

#include "engine/port_labels.h"
#include "engine/port_table.h"
#include "platform/cp932.h"

namespace marilo {

std::u16string menuLine(const MenuItem& item) { return cp932ToUtf16(item.text); }

const char* const RegionNames[kRegionCount] = {"北海道", "東北", "関東", "北陸", "東海",
                                               "近畿",   "中国", "四国", "九州", "その他"};

namespace {

constexpr int kHokkaido = 0;
constexpr int kAbroad = 9;

bool listsPortsDirectly(int region) { return region == kHokkaido || region == kAbroad; }

std::vector<MenuItem> portsOf(const PortGroup& g, PortAddress selected) {
    std::vector<MenuItem> ports;
    for (int i = 0; i < g.count; ++i) {
        const PortAddress at = *PortAddress::at(g.group, i);
        MenuItem item = MenuItem::command(PortMenuLabels[at.row()], at.commandId());
        item.checked = at == selected;
        ports.push_back(std::move(item));
    }
    return ports;
}

}  // namespace

int regionPos(int group) {
    if (group >= 0 && group <= 1) return 0;
    if (group >= 2 && group <= 7) return 1;
    if (group == 8 || (group >= 12 && group <= 15)) return 2;
    if (group >= 16 && group <= 18) return 3;
    if (group >= 22 && group <= 24) return 4;
    if ((group >= 26 && group <= 28) || group == 30) return 5;
    if (group >= 31 && group <= 35) return 6;
    if (group >= 36 && group <= 39) return 7;
    if (group >= 40 && group <= 47) return 8;
    if (group == 80) return 9;
    return 0;
}

int prefPos(int group) {
    if (findGroup(group) == nullptr) return 0;
    const int region = regionPos(group);
    if (listsPortsDirectly(region)) return -1;
    // The prefectures of a region stand in table order.
    int pos = 0;
    for (const PortGroup& g : PortGroups) {
        if (g.group == group) return pos;
        if (regionPos(g.group) == region) ++pos;
    }
    return 0;
}

std::vector<MenuItem> portTree(PortAddress selected, const std::vector<PortAddress>& recent) {
    std::vector<MenuItem> regions;
    for (int r = 0; r < kRegionCount; ++r) regions.push_back(MenuItem::popup(RegionNames[r], {}));
    for (const PortGroup& g : PortGroups) {
        const int r = regionPos(g.group);
        std::vector<MenuItem> ports = portsOf(g, selected);
        std::vector<MenuItem>& into = regions[static_cast<size_t>(r)].children;
        if (listsPortsDirectly(r)) {
            for (MenuItem& p : ports) into.push_back(std::move(p));
        } else {
            into.push_back(MenuItem::popup(g.heading, std::move(ports)));
        }
    }
    const int r = regionPos(selected.group());
    regions[static_cast<size_t>(r)].checked = true;
    const int p = prefPos(selected.group());
    if (p >= 0) regions[static_cast<size_t>(r)].children[static_cast<size_t>(p)].checked = true;
    if (recent.empty()) return regions;
    std::vector<MenuItem> tree{MenuItem::note("最近の港")};
    for (const PortAddress& port : recent) tree.push_back(MenuItem::command(PortMenuLabels[port.row()], port.commandId()));
    tree.push_back(MenuItem::separator());
    for (MenuItem& region : regions) tree.push_back(std::move(region));
    return tree;
}

PopupMenuModel buildPopupMenu(PortAddress selected, const char* portName, const std::vector<HighLowEntry>& extremes,
                              bool shiftDown, const DayNotes& notes, bool startAtSignIn,
                              const std::vector<PortAddress>& recent) {
    PopupMenuModel menu;
    std::vector<MenuItem> highLow;
    for (size_t i = 0; i < 4; ++i) {
        const std::string line = i < extremes.size() ? highLowLine(extremes[i]) : std::string();
        highLow.push_back(MenuItem::command(line, kCmdCopyHighLow));
    }
    menu.hlText = highLowText(extremes);
    if (!notes.sun.empty() || !notes.moon.empty()) {
        highLow.push_back(MenuItem::separator());
        if (!notes.sun.empty()) highLow.push_back(MenuItem::command(notes.sun, kCmdCopyHighLow));
        if (!notes.moon.empty()) highLow.push_back(MenuItem::command(notes.moon, kCmdCopyHighLow));
    }
    if (!notes.constantsNote.empty()) highLow.push_back(MenuItem::note(notes.constantsNote));

    std::vector<MenuItem>& items = menu.items;
    items.push_back(MenuItem::command("バージョン情報...", kCmdAbout));
    items.push_back(MenuItem::separator());
    items.push_back(MenuItem::ownerDrawn(kCmdGraphItem));
    items.push_back(MenuItem::separator());
    items.push_back(MenuItem::ownerDrawn(kCmdCalendarStrip));
    items.push_back(MenuItem::separator());
    items.push_back(MenuItem::popup("干満時刻", std::move(highLow)));
    MenuItem signIn = MenuItem::command("Windows の起動時に開始", kCmdStartAtSignIn);
    signIn.checked = startAtSignIn;
    items.push_back(MenuItem::popup("設定変更", {MenuItem::popup(portChooserTitle(portName), portTree(selected, recent)),
                                                 MenuItem::command("その他の設定...", kCmdSettings), signIn,
                                                 MenuItem::command("港を検索...", kCmdFindPort)}));
    items.push_back(MenuItem::command("窓表示", kCmdGraphWindow));
    items.push_back(MenuItem::command("月間潮見表...", kCmdMonthWindow));
    items.push_back(MenuItem::separator());
    if (shiftDown) {
        items.push_back(MenuItem::command("Iconリフレッシュ", kCmdIconRefresh));
        items.push_back(MenuItem::command("Copy 潮汐BMP", kCmdCopyGraph));
        items.push_back(MenuItem::separator());
    }
    items.push_back(MenuItem::command("終了", kCmdExit));
    return menu;
}

int downPressesTo(const std::vector<MenuItem>& items, int id) {
    int presses = 0;
    for (const MenuItem& item : items) {
        if (item.kind == MenuItem::Kind::Separator) continue;
        ++presses;
        if (item.kind != MenuItem::Kind::Popup && item.id == id) return presses;
    }
    return 0;
}

}  // namespace marilo
