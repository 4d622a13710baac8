#include "settings_ui/settings_pages.h"

#include <cstdio>

#include "settings_ui/choice_lists.h"
#include "settings_ui/integer_text.h"

namespace marilo {

namespace {

constexpr int32_t kClockOnlyMode = 8;

std::string decimal(int32_t v) { return std::to_string(v); }

bool sameClock(const AppSettings& a, const AppSettings& b) {
    return a.ColPlate == b.ColPlate && a.ColLong == b.ColLong && a.ColShort == b.ColShort &&
           a.ColFrame == b.ColFrame && a.ColTicks == b.ColTicks && a.IsFrame == b.IsFrame &&
           a.IsShadow == b.IsShadow && a.IsTicks == b.IsTicks && a.IsPlate == b.IsPlate;
}

}  // namespace

void IconPage::modeClicked(int32_t index) {
    clockEnabled = true;
    if (index < 0 || index > 9) return;  // a stored mode no radio shows
    mode = index;
    if (index >= 4 && index <= 7) {
        reverseEnabled = true;
    } else if (index == kClockOnlyMode) {
        clockEnabled = false;
        clock = true;
        reverseEnabled = false;
    } else {
        reverseEnabled = false;
    }
}

AppSettings ClockPage::applyTo(AppSettings s) const {
    s.ColPlate = ColPlate;
    s.ColLong = ColLong;
    s.ColShort = ColShort;
    s.ColFrame = ColFrame;
    s.ColTicks = ColTicks;
    s.IsFrame = IsFrame;
    s.IsShadow = IsShadow;
    s.IsTicks = IsTicks;
    s.IsPlate = IsPlate;
    return s;
}

std::optional<AxisRefusal> refuseAxis(int32_t top, int32_t bottom, int32_t tick) {
    if (top <= bottom) return AxisRefusal{AxisField::Top, "上限には下限より大きい数を指定してください。"};
    if (tick <= 0) return AxisRefusal{AxisField::Tick, "目盛には1以上の数を指定してください。"};
    return std::nullopt;
}

SettingsModel::SettingsModel(const AppSettings& settings, const RuleList& rules) : settings_(settings) {
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

    clock = {s.ColPlate, s.ColLong, s.ColShort, s.ColFrame, s.ColTicks,
             s.IsFrame,  s.IsShadow, s.IsTicks, s.IsPlate};

    graph.GraphSizeSet = listIndexOf(s.GraphSizeSet, 0, choiceCount(Choice::GraphSize));
    graph.GraphShowMode = listIndexOf(s.GraphShowMode, 0, choiceCount(Choice::GraphShow));
    graph.PreTime = listIndexOf(s.PreTime, 0, choiceCount(Choice::LeadTime));
    graph.Alert = s.Alert != 0;
    graph.Snd = s.Snd != 0;
    graph.STP = s.STP != 0;
    graph.UP3 = s.UP3 != 0;
    graph.UP7 = s.UP7 != 0;
    graph.DN3 = s.DN3 != 0;
    graph.DN7 = s.DN7 != 0;

    // The texts are composed for the list box; that alone changes nothing.
    rules_.describeAll();
    rules_.clearChanged();
    settings_.RuleN = rules_.count();
    settings_.ClockDirty = false;
    settings_.IconsDirty = false;
}

std::optional<AxisRefusal> SettingsModel::confirm() {
    const std::optional<AxisRefusal> refused =
        refuseAxis(leadingInteger(menu.top), leadingInteger(menu.bottom), leadingInteger(menu.tick));
    if (refused) return refused;
    AppSettings& s = settings_;

    const int32_t mode = listValueOr(icon.mode, 0, s.TrayIcon);
    if (mode != s.TrayIcon) s.ClockDirty = s.IconsDirty = true;
    if (icon.clock != s.TrayClock) s.ClockDirty = true;
    s.TrayIcon = mode;
    s.TrayClock = icon.clock;
    s.IsXP = icon.reverse;  // alone, it rebuilds nothing

    s.PopCalMode = menu.todayOnOpen;
    s.MousePop = listValueOr(menu.mousePop, 0, s.MousePop);
    s.YH = leadingInteger(menu.top);
    s.YL = leadingInteger(menu.bottom);
    s.YT = leadingInteger(menu.tick);

    const AppSettings withClock = clock.applyTo(s);
    if (!sameClock(withClock, s)) s.ClockDirty = true;
    s = clock.applyTo(s);

    s.GraphSizeSet = listValueOr(graph.GraphSizeSet, 0, s.GraphSizeSet);
    s.GraphShowMode = listValueOr(graph.GraphShowMode, 0, s.GraphShowMode);
    s.PreTime = listValueOr(graph.PreTime, 0, s.PreTime);
    s.Alert = graph.Alert ? 1 : 0;
    s.Snd = graph.Snd ? 1 : 0;
    s.STP = graph.STP ? 1 : 0;
    s.UP3 = graph.UP3 ? 1 : 0;
    s.UP7 = graph.UP7 ? 1 : 0;
    s.DN3 = graph.DN3 ? 1 : 0;
    s.DN7 = graph.DN7 ? 1 : 0;
    return std::nullopt;
}

std::string previewTimeLabel(int hour, int minute) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d:%02d", hour, minute);
    return buf;
}

}  // namespace marilo
