// The notification area's version-4 callback: decoding, and which events act.
#include "app/tray_events.h"

#include <gtest/gtest.h>

#include <string>

#include "app/tray_logic.h"

namespace marilo {
namespace {

TEST(TrayEvents, DecodesBothFormats) {
    // Version 4: Enter on date icon 3 whose anchor is (1000, 740).
    EXPECT_EQ(decodeTrayCallback((740u << 16) | 1000u, (3u << 16) | 0x401u, true),
              (TrayEvent{kTrayKeySelect, 3, {1000, 740}}));
    // A monitor left of and above the primary one: (-300, -20).
    EXPECT_EQ(decodeTrayCallback((0xFFECu << 16) | 0xFED4u, 0x7Bu, true), (TrayEvent{kTrayContextMenu, 0, {-300, -20}}));
    // The earlier format: icon in wParam, message in lParam.
    EXPECT_EQ(decodeTrayCallback(1, 0x205, false), (TrayEvent{kMouseRightUp, 1, {}}));
}

TEST(TrayEvents, MouseAsBeforeAndTheShellsEchoTakenOnce) {
    TrayEventFilter f;
    EXPECT_EQ(f.take({kMouseRightUp, 1, {}}, 1000, false), TrayAction::Mouse);
    EXPECT_EQ(f.take({kTrayContextMenu, 1, {}}, 1001, false), TrayAction::None);  // the right click's echo
    EXPECT_EQ(f.take({kMouseLeftUp, 1, {}}, 2000, false), TrayAction::Mouse);
    EXPECT_EQ(f.take({kTraySelect, 1, {}}, 2001, false), TrayAction::None);
    EXPECT_EQ(f.take({kMouseLeftDoubleClick, 1, {}}, 2300, false), TrayAction::Mouse);
    EXPECT_EQ(f.take({kTraySelect, 1, {}}, 2301, false), TrayAction::None);
    EXPECT_EQ(f.take({0x0200, 1, {}}, 2400, false), TrayAction::Mouse);  // a move goes on as before
    // Later, Shift+F10 on the same icon is the keyboard's, not an echo.
    EXPECT_EQ(f.take({kMouseRightUp, 2, {}}, 5000, false), TrayAction::Mouse);
    EXPECT_EQ(f.take({kTrayContextMenu, 2, {}}, 5001, false), TrayAction::None);
    EXPECT_EQ(f.take({kTrayContextMenu, 2, {}}, 9000, false), TrayAction::KeyMenu);
    // A right click whose echo never came does not swallow a much later menu key.
    EXPECT_EQ(f.take({kMouseRightUp, 1, {}}, 20000, false), TrayAction::Mouse);
    EXPECT_EQ(f.take({kTrayContextMenu, 1, {}}, 30000, false), TrayAction::KeyMenu);
}

TEST(TrayEvents, KeySelectOpensTheMenuOncePerActivation) {
    TrayEventFilter f;
    EXPECT_EQ(f.take({kTrayKeySelect, 1, {}}, 1000, false), TrayAction::KeyMenu);
    EXPECT_EQ(f.take({kTrayKeySelect, 1, {}}, 1010, true), TrayAction::None);   // while the menu is open
    EXPECT_EQ(f.take({kTrayKeySelect, 1, {}}, 1020, false), TrayAction::None);  // the doubled Enter
    EXPECT_EQ(f.take({kTrayKeySelect, 1, {}}, 3000, false), TrayAction::KeyMenu);
    EXPECT_EQ(f.take({kTrayKeySelect, 0, {}}, 3010, false), TrayAction::KeyMenu);  // another icon
    EXPECT_EQ(f.take({kTrayContextMenu, 0, {}}, 9000, true), TrayAction::None);
    EXPECT_EQ(f.take({kTrayBalloonUserClick, 1, {}}, 9100, false), TrayAction::BalloonClick);
}

TEST(TrayEvents, FirstStartHintOnceFromAnIconThatIsIn) {
    EXPECT_EQ(hintIconId(1), 1);
    EXPECT_EQ(hintIconId(0), kClockIconId);  // clock-only mode
    FirstStartHint hint(true);
    EXPECT_FALSE(hint.due(1, false, {}));   // before the splash ends
    EXPECT_FALSE(hint.due(1, true, {1, 2}));  // refused by a shell not yet ready
    EXPECT_TRUE(hint.due(1, true, {2}));
    hint.shown();
    EXPECT_FALSE(hint.due(1, true, {}));
    EXPECT_FALSE(FirstStartHint(false).due(1, true, {}));
    // What the shell holds: 63 and 255 UTF-16 characters.
    const TrayHint text = firstStartHint();
    EXPECT_LE(text.title.size(), 63u);
    EXPECT_LE(text.text.size(), 255u);
    EXPECT_NE(text.text.find(u"その他のシステム トレイ アイコン"), std::u16string::npos);
    EXPECT_NE(text.text.find(u"通知領域に表示するアイコンを選択"), std::u16string::npos);
}

}  // namespace
}  // namespace marilo
