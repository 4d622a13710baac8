#include "settings_ui/settings_pages.h"

#include <cstdio>

#include "platform/cp932.h"
#include "settings_ui/integer_text.h"

namespace marilo {

namespace {

std::string decimal(int32_t v) { return std::to_string(v); }

}  // namespace

void IconPage::modeClicked(int32_t index) {
    clockEnabled = true;
    if (index < kModeAppIcon || index > kModeMoon) return;  // a stored mode no radio shows
    mode = index;
    if (index >= kModeTwoIcons && index <= kModeWeek) {
        reverseEnabled = true;
    } else if (index == kModeClockOnly) {
        clockEnabled = false;
        clock = true;
        reverseEnabled = false;
    } else {
        reverseEnabled = false;
    }
}

std::optional<AxisRefusal> refuseAxis(int32_t top, int32_t bottom, int32_t tick) {
    if (top <= bottom) return AxisRefusal{AxisField::Top, "上限には下限より大きい数を指定してください。"};
    if (tick <= 0) return AxisRefusal{AxisField::Tick, "目盛には1以上の数を指定してください。"};
    return std::nullopt;
}

SettingsModel::SettingsModel(const AppSettings& settings, const RuleList& rules)
    : values(settings), settings_(settings) {
    rules_.assign(rules);
    const AppSettings& s = settings_;

    icon.clock = s.TrayClock;
    icon.reverse = s.IsXP;
    icon.modeClicked(s.TrayIcon);

    menu.todayOnOpen = s.PopCalMode;
    menu.mousePop = listIndexOf(s.MousePop, 0, 3);
    menu.top = decimal(s.YH);
    menu.bottom = decimal(s.YL);
    menu.tick = decimal(s.YT);

    // The texts are composed for the list box; that alone changes nothing.
    rules_.describeAll();
    rules_.clearChanged();
    settings_.RuleN = values.RuleN = rules_.count();
}

std::optional<AxisRefusal> SettingsModel::confirm() {
    const std::optional<AxisRefusal> refused =
        refuseAxis(leadingInteger(menu.top), leadingInteger(menu.bottom), leadingInteger(menu.tick));
    if (refused) return refused;
    AppSettings s = values;

    s.TrayIcon = listValueOr(icon.mode, 0, s.TrayIcon);
    s.TrayClock = icon.clock;
    s.IsXP = icon.reverse;

    s.PopCalMode = menu.todayOnOpen;
    s.MousePop = listValueOr(menu.mousePop, 0, s.MousePop);
    s.YH = leadingInteger(menu.top);
    s.YL = leadingInteger(menu.bottom);
    s.YT = leadingInteger(menu.tick);
    s.RuleN = rules_.count();

    const ChangeMarks changed = changesBetween(settings_, s);
    marks_.ClockDirty = marks_.ClockDirty || changed.ClockDirty;
    marks_.IconsDirty = marks_.IconsDirty || changed.IconsDirty;
    settings_ = s;
    return std::nullopt;
}

std::string previewTimeLabel(int hour, int minute) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d:%02d", hour, minute);
    return buf;
}

std::vector<std::u16string> settingsTabLabels() { return {u"日付色", u"アイコン", u"メニュー", u"時計", u"グラフ"}; }

std::vector<std::u16string> ruleLines(const RuleList& rules) {
    std::vector<std::u16string> lines;
    for (const DateColorRule& r : rules) lines.push_back(cp932ToUtf16(r.text));
    return lines;
}

std::u16string shownText(std::string_view cp932) { return cp932ToUtf16(cp932); }

}  // namespace marilo
