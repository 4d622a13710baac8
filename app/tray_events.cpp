#include "app/tray_events.h"

#include <algorithm>

#include "app/tray_logic.h"
#include "platform/cp932.h"

namespace marilo {

namespace {

int signedWord(uint64_t v) { return static_cast<int16_t>(static_cast<uint16_t>(v & 0xFFFF)); }

}  // namespace

TrayEvent decodeTrayCallback(uint64_t wParam, uint64_t lParam, bool version4) {
    if (!version4) return {static_cast<int>(static_cast<uint32_t>(lParam)), static_cast<int>(static_cast<uint32_t>(wParam)), {}};
    return {static_cast<int>(lParam & 0xFFFF), static_cast<int>((lParam >> 16) & 0xFFFF),
            {signedWord(wParam), signedWord(wParam >> 16)}};
}

TrayAction TrayEventFilter::take(const TrayEvent& e, uint32_t time, bool menuOpen) {
    switch (e.event) {
        case kMouseLeftUp:
        case kMouseRightUp:
        case kMouseLeftDoubleClick:
            lastButton_ = {e.event, e.iconId, time, true};
            return TrayAction::Mouse;
        case kTraySelect:
        case kTrayContextMenu: {
            // The echo of the click just handled: a select after the left
            // button (or its double click), a context menu after the right.
            const bool left = lastButton_.event == kMouseLeftUp || lastButton_.event == kMouseLeftDoubleClick;
            const bool echo = lastButton_.pending && lastButton_.iconId == e.iconId &&
                              time - lastButton_.time <= kEchoMs &&
                              (e.event == kTraySelect ? left : lastButton_.event == kMouseRightUp);
            if (echo || (menuOpen && e.event == kTrayContextMenu)) {
                lastButton_.pending = false;
                return TrayAction::None;
            }
            lastButton_.pending = false;
            if (e.event == kTraySelect) return TrayAction::None;  // a left click the shell did not report
            break;
        }
        case kTrayKeySelect: break;
        case kTrayBalloonUserClick: return TrayAction::BalloonClick;
        default: return TrayAction::Mouse;  // moves, presses: as before
    }
    // The keyboard: Enter, Space, Shift+F10 or the menu key.
    if (menuOpen) return TrayAction::None;
    const bool repeat = lastKey_.pending && lastKey_.iconId == e.iconId && time - lastKey_.time <= kRepeatMs;
    lastKey_ = {e.event, e.iconId, time, true};
    return repeat ? TrayAction::None : TrayAction::KeyMenu;
}

int hintIconId(int dateIconCount) { return dateIconCount > 0 ? 1 : kClockIconId; }

TrayHint firstStartHint() {
    return {cp932ToUtf16("Marilo は通知領域にいます"),
            cp932ToUtf16("アイコンを常にタスクバーに出すには、Windows 11 では「タスクバーの設定」→「その他のシステム トレイ "
            "アイコン」で、Windows 10 では「通知領域に表示するアイコンを選択」で Marilo をオンにします。"
            "ここをクリックすると設定が開きます。")};
}

bool FirstStartHint::due(int iconId, bool iconsAdded, const std::vector<int>& missingIcons) const {
    return pending_ && iconsAdded && std::find(missingIcons.begin(), missingIcons.end(), iconId) == missingIcons.end();
}

}  // namespace marilo
