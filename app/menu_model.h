#pragma once
// The tray icon's popup menu as plain data: which items it holds, in which
// order, with which texts (cp932), commands and check marks. The window turns
// the model into a menu as it stands; nothing of the menu is decided there.

#include <cstdint>
#include <string>
#include <vector>

#include "app/tray_logic.h"
#include "engine/port_address.h"
#include "res/resource.h"  // the commands of the popup menu

namespace marilo {

struct MenuItem {
    enum class Kind { Command, Separator, Popup, OwnerDrawn };
    Kind kind = Kind::Command;
    std::string text;  // cp932; empty for separators and owner-drawn items
    int id = 0;        // the command of Command and OwnerDrawn items
    bool checked = false;
    std::vector<MenuItem> children;  // Popup
    bool grayed = false;             // shown grey and not clickable

    static MenuItem command(std::string text, int id) { return {Kind::Command, std::move(text), id, false, {}}; }
    // A grey line that only informs.
    static MenuItem note(std::string text) { return {Kind::Command, std::move(text), 0, false, {}, true}; }
    static MenuItem separator() { return {Kind::Separator, {}, 0, false, {}}; }
    static MenuItem ownerDrawn(int id) { return {Kind::OwnerDrawn, {}, id, false, {}}; }
    static MenuItem popup(std::string text, std::vector<MenuItem> children) {
        return {Kind::Popup, std::move(text), 0, false, std::move(children)};
    }
};

// The item's line as the menu shows it, in UTF-16 (the port chooser's
// names, the high/low lines, the commands); empty for separators and
// owner-drawn items.
std::u16string menuLine(const MenuItem& item);

constexpr int kRegionCount = 10;
// 北海道, 東北, 関東, 北陸, 東海, 近畿, 中国, 四国, 九州, その他 (cp932).
extern const char* const RegionNames[kRegionCount];

// Position of a group's region in the port chooser (0..9); 0 for a number
// that is no group of the table.
int regionPos(int group);
// Position of a group's prefecture within its region's popup, -1 for the
// regions that list their ports directly (北海道, その他), 0 for a number that
// is no group of the table.
int prefPos(int group);

// The port chooser: the ten regions, their prefectures and every port of the
// table under its chooser label, each port with its command. The region, the
// prefecture and the port of `selected` are checked. Ports chosen recently
// come first, under a grey "最近の港" and above a separator, each with its
// chooser label and its own command, so that choosing one is choosing it in
// the tree.
std::vector<MenuItem> portTree(PortAddress selected, const std::vector<PortAddress>& recent = {});

// What the high/low popup shows under the turning points (cp932): after a
// separator the shown day's sunrise and sunset and its moonrise and moonset,
// then, for a port whose constants come from a distant station, a grey note
// naming it. None of it is part of hlText; a click on the sun or moon line
// copies the tide lines like a click on them. Empty texts show nothing.
struct DayNotes {
    std::string sun;
    std::string moon;
    std::string constantsNote;
};

// The whole menu for the selected port (its table name, for the chooser's
// title) and the shown day's first four turning points; Shift adds the
// maintenance items above 終了. startAtSignIn checks "Windows の起動時に開始". `recent` heads the port
// chooser; "港を検索..." ends 設定変更. Also gives the high/low lines as the clipboard takes them.
struct PopupMenuModel {
    std::vector<MenuItem> items;
    std::string hlText;
};
PopupMenuModel buildPopupMenu(PortAddress selected, const char* portName, const std::vector<HighLowEntry>& extremes,
                              bool shiftDown, const DayNotes& notes = {}, bool startAtSignIn = false,
                              const std::vector<PortAddress>& recent = {});

// How many Down presses select the item of command `id` in a menu shown
// with nothing selected: the first press selects the first item and every
// press the next one, separators passed over. 0 when the menu has no such
// item at its top level.
int downPressesTo(const std::vector<MenuItem>& items, int id);

}  // namespace marilo
