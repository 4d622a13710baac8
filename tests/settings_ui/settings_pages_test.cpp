// The settings dialog's pages without windows: opening, enabling, the
// integer fields, the axis refusal and the change marks.
#include "settings_ui/settings_pages.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "settings_ui/choice_lists.h"
#include "settings_ui/integer_text.h"

namespace marilo {
namespace {

// Every stored field of the record, for whole-record comparisons.
std::vector<int64_t> fieldsOf(const AppSettings& s) {
    std::vector<int64_t> v;
    for (const SettingInfo& f : kStoredSettings)
        if (f.get != nullptr) v.push_back(f.get(s));
    return v;
}

bool anyMark(const SettingsModel& m) { return m.marks().ClockDirty || m.marks().IconsDirty; }

// Far from the defaults, so that a value taken from the wrong place shows.
AppSettings unusual() {
    AppSettings s;
    s.PopCalMode = false;
    s.TrayIcon = 5;
    s.TrayClock = false;
    s.MousePop = 2;
    s.IsXP = false;
    s.IsVirgin = false;
    s.YH = 250;
    s.YL = -35;
    s.YT = 5;
    s.ColPlate = 0x123456;
    s.ColTicks = 0x00ff00;
    s.IsShadow = false;
    s.GraphShowMode = 1;
    s.GraphSizeSet = 2;
    s.Alert = 0;
    s.Snd = 0;
    s.UP7 = 1;
    s.PreTime = 6;
    return s;
}

TEST(SettingsPages, OpeningShowsTheStoredValues) {
    const SettingsModel m(unusual(), DefaultRules());
    EXPECT_EQ(m.icon.mode, 5);
    EXPECT_FALSE(m.icon.clock);
    EXPECT_TRUE(m.icon.reverseEnabled);  // a three-icon mode
    EXPECT_FALSE(m.menu.todayOnOpen);
    EXPECT_EQ(m.menu.mousePop, 2);
    EXPECT_EQ(m.menu.top, "250");
    EXPECT_EQ(m.menu.bottom, "-35");
    EXPECT_EQ(m.menu.tick, "5");  // not one of the list's entries, shown as stored
    EXPECT_EQ(m.values.ColPlate, 0x123456u);
    EXPECT_FALSE(m.values.IsShadow);
    EXPECT_EQ(m.values.GraphSizeSet, 2);
    EXPECT_EQ(m.values.PreTime, 6);
    EXPECT_FALSE(m.alertControlsEnabled());
    EXPECT_TRUE(m.values.UP7);
    // The rule texts are composed, yet opening marks nothing.
    EXPECT_STREQ(m.rules()[2].text, "3:毎週,土曜日,青");
    EXPECT_FALSE(anyMark(m));

    AppSettings odd = unusual();
    odd.GraphShowMode = 9;
    odd.MousePop = -1;
    odd.TrayIcon = 12;
    const SettingsModel o(odd, RuleList());
    EXPECT_EQ(listIndexOf(o.values.GraphShowMode, 0, choiceCount(Choice::GraphShow)), kNoSelection);
    EXPECT_EQ(o.menu.mousePop, kNoSelection);
    EXPECT_EQ(o.icon.mode, kNoSelection);
}

TEST(SettingsMarks, AnUntouchedConfirmChangesNothing) {
    for (AppSettings s : {AppSettings(), unusual()}) {
        s.RuleN = 3;
        SettingsModel m(s, DefaultRules());
        EXPECT_FALSE(m.confirm());
        EXPECT_EQ(fieldsOf(m.settings()), fieldsOf(s));
        EXPECT_FALSE(anyMark(m));
    }
    // Stored values no control can show survive too.
    AppSettings odd = unusual();
    odd.RuleN = 0;
    odd.TrayIcon = 12;
    odd.MousePop = 7;
    odd.GraphShowMode = -4;
    odd.PreTime = 99;
    SettingsModel m(odd, RuleList());
    EXPECT_FALSE(m.confirm());
    EXPECT_EQ(fieldsOf(m.settings()), fieldsOf(odd));
}

TEST(SettingsMarks, EachChangeMarksWhatItShould) {
    struct Case {
        const char* what;
        void (*edit)(SettingsModel&);
        bool clock, icons;
    };
    const Case cases[] = {
        {"逆順表示 alone", [](SettingsModel& m) { m.icon.reverse = !m.icon.reverse; }, false, false},
        {"another mode", [](SettingsModel& m) { m.icon.modeClicked(1); }, true, true},
        {"クロック表示", [](SettingsModel& m) { m.icon.clock = !m.icon.clock; }, true, false},
        {"a clock colour", [](SettingsModel& m) { m.values.ColLong = 0x0000ff; }, true, false},
        {"a clock switch", [](SettingsModel& m) { m.values.IsTicks = !m.values.IsTicks; }, true, false},
        {"menu and graph", [](SettingsModel& m) {
             m.menu.mousePop = 1;
             m.menu.top = "200";
             m.values.GraphShowMode = 0;
             m.values.Alert = !m.values.Alert;
         }, false, false},
        {"a rule moved", [](SettingsModel& m) {
             m.ruleList.select(1);
             m.ruleList.move(-1);
         }, false, true},
    };
    for (const Case& c : cases) {
        SettingsModel m(unusual(), DefaultRules());
        c.edit(m);
        EXPECT_FALSE(m.confirm()) << c.what;
        EXPECT_EQ(m.marks().ClockDirty, c.clock) << c.what;
        EXPECT_EQ(m.marks().IconsDirty, c.icons) << c.what;
    }
}

TEST(IconPage, ClockOnlyChecksAndLocksTheClockAndTheOthersDecideTheReverseOrder) {
    AppSettings s;
    s.TrayIcon = 1;
    s.TrayClock = false;
    SettingsModel m(s, DefaultRules());
    EXPECT_FALSE(m.icon.reverseEnabled);
    m.icon.modeClicked(8);
    EXPECT_TRUE(m.icon.clock);
    EXPECT_FALSE(m.icon.clockEnabled);
    EXPECT_FALSE(m.icon.reverseEnabled);
    m.icon.modeClicked(6);
    EXPECT_TRUE(m.icon.clock);  // leaving クロックのみ keeps the check
    EXPECT_TRUE(m.icon.clockEnabled);
    EXPECT_TRUE(m.icon.reverseEnabled);
    m.icon.modeClicked(9);
    EXPECT_FALSE(m.icon.reverseEnabled);
    m.icon.modeClicked(8);
    ASSERT_FALSE(m.confirm());
    EXPECT_EQ(m.settings().TrayIcon, 8);
    EXPECT_TRUE(m.settings().TrayClock);

    // A stored mode no radio shows: the clock box is enabled, the reverse
    // order box left as it was.
    IconPage p;
    p.clockEnabled = false;
    p.reverseEnabled = false;
    p.modeClicked(10);
    EXPECT_TRUE(p.clockEnabled);
    EXPECT_FALSE(p.reverseEnabled);
    EXPECT_EQ(p.mode, kNoSelection);
}

TEST(MenuPage, RangeFieldsReadTheLeadingInteger) {
    EXPECT_EQ(leadingInteger("45"), 45);
    EXPECT_EQ(leadingInteger("12cm"), 12);
    EXPECT_EQ(leadingInteger("abc"), 0);
    EXPECT_EQ(leadingInteger(""), 0);
    EXPECT_EQ(leadingInteger("  -70 "), -70);
    EXPECT_EQ(leadingInteger("+8"), 8);
    EXPECT_EQ(leadingInteger("- 8"), 0);
    EXPECT_EQ(leadingInteger("2147483647"), INT_MAX);
    EXPECT_EQ(leadingInteger("99999999999999999999"), INT_MAX);
    EXPECT_EQ(leadingInteger("-2147483648"), INT_MIN);
    EXPECT_EQ(leadingInteger("-99999999999999999999"), INT_MIN);

    SettingsModel m(AppSettings(), DefaultRules());
    m.menu.top = "45";
    m.menu.bottom = "-10cm";
    m.menu.tick = "20 ";
    ASSERT_FALSE(m.confirm());
    EXPECT_EQ(m.settings().YH, 45);
    EXPECT_EQ(m.settings().YL, -10);
    EXPECT_EQ(m.settings().YT, 20);
    // Letters read as 0, which an upper bound above the lower one may be.
    SettingsModel letters(AppSettings(), DefaultRules());
    letters.menu.top = "abc";
    ASSERT_FALSE(letters.confirm());
    EXPECT_EQ(letters.settings().YH, 0);
}

TEST(MenuPage, AxisTheGraphCannotDrawIsRefusedAndNothingIsStored) {
    struct Case {
        const char *top, *bottom, *tick;
        AxisField field;
    } const cases[] = {
        {"180", "-20", "0", AxisField::Tick},
        {"180", "-20", "-5", AxisField::Tick},
        {"180", "-20", "abc", AxisField::Tick},
        {"10", "10", "50", AxisField::Top},
        {"-30", "-20", "50", AxisField::Top},
        {"x", "x", "0", AxisField::Top},  // both wrong: the upper field first
    };
    for (const Case& c : cases) {
        SettingsModel m(AppSettings(), DefaultRules());
        m.icon.modeClicked(1);  // would set both marks
        m.menu.top = c.top;
        m.menu.bottom = c.bottom;
        m.menu.tick = c.tick;
        const std::optional<AxisRefusal> r = m.confirm();
        ASSERT_TRUE(r) << c.top << " " << c.bottom << " " << c.tick;
        EXPECT_EQ(r->field, c.field);
        EXPECT_NE(std::strstr(r->message, c.field == AxisField::Tick ? "目盛" : "上限"), nullptr);
        EXPECT_EQ(fieldsOf(m.settings()), fieldsOf(SettingsModel(AppSettings(), DefaultRules()).settings()));
        EXPECT_FALSE(anyMark(m));
        // Corrected, the same dialog confirms.
        m.menu.top = std::string("100");
        m.menu.bottom = std::string("0");
        m.menu.tick = std::string("10");
        EXPECT_FALSE(m.confirm());
        EXPECT_TRUE(m.marks().IconsDirty);
    }
}

TEST(GraphPage, AlertsOffDisableTheirControlsWhichKeepTheirValues) {
    SettingsModel m(AppSettings(), DefaultRules());
    EXPECT_TRUE(m.alertControlsEnabled());
    m.values.UP3 = 1;
    m.values.PreTime = 4;
    m.values.Alert = 0;
    EXPECT_FALSE(m.alertControlsEnabled());
    ASSERT_FALSE(m.confirm());
    EXPECT_EQ(m.settings().Alert, 0);
    EXPECT_EQ(m.settings().UP3, 1);
    EXPECT_EQ(m.settings().STP, 1);
    EXPECT_EQ(m.settings().Snd, 1);
    EXPECT_EQ(m.settings().PreTime, 4);
}

TEST(SettingsText, ListsTabsAndMessagesInUtf16) {
    EXPECT_EQ(choiceLines(Choice::LeadTime).at(4), u"１時間前");
    EXPECT_EQ(choiceLines(Choice::GraphSize).at(0), u"１倍⇔２倍表示");
    EXPECT_EQ(choiceLines(Choice::AxisBottom).back(), u"-150");
    EXPECT_EQ(settingsTabLabels(), (std::vector<std::u16string>{u"日付色", u"アイコン", u"メニュー", u"時計", u"グラフ"}));
    RuleList rules;
    rules.append(makeRule(MonthlyByWeekday, 1, 1, 2, 1, 1, 2));
    EXPECT_EQ(ruleLines(rules), (std::vector<std::u16string>{u"1:毎月,第2,月曜日,青"}));
    const std::optional<AxisRefusal> refused = refuseAxis(100, 0, 0);
    ASSERT_TRUE(refused);
    EXPECT_NE(shownText(refused->message).find(u"目盛"), std::u16string::npos);
}

}  // namespace
}  // namespace marilo
