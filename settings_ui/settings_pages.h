#pragma once
// The settings dialog without its windows: what each of its pages shows when
// the dialog opens, which controls a click enables, and what confirming makes
// of the pages' values, with the two change marks (ClockDirty, IconsDirty)
// that tell the tray which icons to rebuild. The Win32 pages copy these
// values to and from their controls and nothing more.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings.h"
#include "calendar/color_rules.h"
#include "settings_ui/list_index.h"
#include "settings_ui/rule_pages.h"

namespace marilo {

// アイコン: the display mode radios, "クロック表示" and "逆順表示（XP）".
struct IconPage {
    int32_t mode = kNoSelection;  // radio index 0..9
    bool clock = false;
    bool reverse = false;
    bool clockEnabled = true;
    bool reverseEnabled = true;

    // A click on the radio of `index` (also how the page opens, with the
    // stored mode): クロックのみ checks and disables "クロック表示" and
    // disables "逆順表示（XP）", the multi-icon modes enable it, the others
    // disable it. Leaving クロックのみ keeps the check.
    void modeClicked(int32_t index);
    // A click on either check box only enables "クロック表示" again.
    void checkClicked() { clockEnabled = true; }
};

// メニュー: today on opening, which click opens the menu, and the graph's
// level axis as typed (the three editable lists).
struct MenuPage {
    bool todayOnOpen = false;
    int32_t mousePop = kNoSelection;  // radio index 0..2
    std::string top, bottom, tick;    // 上限, 下限, 目盛
};

// Axis values the graph cannot draw: a tick spacing of 0 or less, or an
// upper bound not above the lower one. The dialog stays open, says which
// field, and puts the focus there.
enum class AxisField { Top, Tick };  // 上限, 目盛
struct AxisRefusal {
    AxisField field;
    const char* message;  // cp932
};
std::optional<AxisRefusal> refuseAxis(int32_t top, int32_t bottom, int32_t tick);

// The texts the dialog shows in UTF-16: the tab strip's labels in page
// order, the rule list page's lines (each rule's description), and any
// other text of the pages (a field's value, the clock preview's label, the
// message of an axis refusal or of the rule editor's length prompt).
std::vector<std::u16string> settingsTabLabels();
std::vector<std::u16string> ruleLines(const RuleList& rules);
std::u16string shownText(std::string_view cp932);

// The dialog's working copies and its pages. Opening fills the pages from
// the copy and composes the rule texts; confirming writes them back and
// raises the change marks of the values that changed. Every rule operation
// of the rule list page has changed the working rules already and raised
// IconsDirty.
class SettingsModel {
public:
    SettingsModel(const AppSettings& settings, const RuleList& rules);
    SettingsModel(const SettingsModel&) = delete;
    SettingsModel& operator=(const SettingsModel&) = delete;

    // The pages into the copy, with the change marks. When the axis fields
    // are refused nothing is written and the refusal is returned.
    std::optional<AxisRefusal> confirm();

    const AppSettings& settings() const { return settings_; }
    const RuleList& rules() const { return rules_; }
    const ChangeMarks& marks() const { return marks_; }

    // グラフ: "ON" enables the lead time, the five events and "音"; cleared,
    // they are disabled and keep their values.
    bool alertControlsEnabled() const { return values.Alert != 0; }

    IconPage icon;
    MenuPage menu;
    // What the 時計 and グラフ pages show and change, as stored values (a
    // list that shows nothing leaves its value as it is); the clock preview
    // draws it.
    AppSettings values;

private:
    AppSettings settings_;
    RuleList rules_;
    ChangeMarks marks_;

public:
    // After the copies it edits, so that they exist before it.
    RuleListPage ruleList{rules_, marks_};
};

// The preview's time label, "9:05" or "21:30".
std::string previewTimeLabel(int hour, int minute);

}  // namespace marilo
