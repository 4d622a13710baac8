// The UTF-16 texts the windows are handed, for a known day at the default
// port (田子の浦), against literals worked out by hand: 2024-01-11 is a
// Thursday, 大潮, moon age about 29.14, with 06:12 high, 11:33 low, 16:35
// high (145.6 cm) and 23:41 low (-16.7 cm).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alerts/alert_layout.h"
#include "app/engine_tide_facts.h"
#include "app/menu_model.h"
#include "app/tray_controller.h"
#include "tray_doubles.h"

namespace marilo {
namespace {

// The shell as the tooltips reach it: UTF-16, kept as handed over.
struct Utf16Shell final : NotifyArea {
    bool add(int, const OwnedIcon&, const std::u16string& tip) override {
        tips.push_back(tip);
        return true;
    }
    void modify(int, const OwnedIcon&, const std::u16string& tip) override { tips.push_back(tip); }
    void remove(int) override {}
    std::vector<std::u16string> tips;
};

TEST(UiText, TooltipsAndMenuLinesOfAKnownDay) {
    ControllerSettings cs;
    Utf16Shell shell;
    testing::RecordingImages images;
    testing::RecordingTimer timer;
    testing::SettableClock clock;
    EngineTideFacts tide;
    clock.set(2024, 1, 11, 12, 0);
    cs.settings.TrayIcon = kModeMoon;
    TrayController tray{cs, shell, images, timer, clock, tide};
    tray.AddDateIcons();
    ASSERT_EQ(shell.tips.size(), 1u);
    EXPECT_EQ(shell.tips[0], u"2024/1/11(木) 大潮 月齢29.1");

    // The popup menu of that day: the port chooser's title and the high/low
    // lines as the menu shows them (hour padded to two places, level
    // rounded and right-aligned in four).
    tray.menu().showToday();
    const PopupMenuModel m = tray.menu().popupMenu(false);
    ASSERT_GE(m.items.size(), 8u);
    EXPECT_EQ(menuLine(m.items[6]), u"干満時刻");
    const std::vector<MenuItem>& lines = m.items[6].children;
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(menuLine(lines[0]).substr(0, 8), u"H  6:12 ");
    EXPECT_EQ(menuLine(lines[2]), u"H 16:35 146");
    EXPECT_EQ(menuLine(lines[3]), u"L 23:41 -17");
    EXPECT_EQ(menuLine(MenuItem::separator()), u"");
    EXPECT_EQ(menuLine(m.items[7].children.at(0)), u"場所設定(田子の浦)");
}

TEST(UiText, AlertLinesInFullWidth) {
    const AlertLines a = alertLines("下げ３分まで", "あと１５分です。", "→09:40　");
    EXPECT_EQ(a.title, u"MariloAlert");
    EXPECT_EQ(a.message, u"下げ３分まで");
    EXPECT_EQ(a.remainder, u"あと１５分です。");
    EXPECT_EQ(a.time, u"→09:40　");
}

}  // namespace
}  // namespace marilo
