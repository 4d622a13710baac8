#pragma once
// The notification area's callback in its current format (version 4), as
// plain decisions: what a message says (event, icon, anchor), and what the
// window does about it. The mouse keeps its own messages and behaviours; the
// keyboard's select (Enter, Space) and context menu (Shift+F10, the menu key)
// open the popup menu at the icon; the shell's echo of a click (a select
// after a left click, a context menu after a right click) is not taken twice.
// Also the first start's hint: one notification, from one icon, once.

#include <cstdint>
#include <string>
#include <vector>

#include "base/screen_geometry.h"

namespace marilo {

// Events of the callback besides the mouse messages (tray_logic.h).
constexpr int kTrayContextMenu = 0x007B;      // WM_CONTEXTMENU
constexpr int kTraySelect = 0x0400;           // NIN_SELECT, a left click
constexpr int kTrayKeySelect = 0x0401;        // NIN_KEYSELECT, Enter or Space
constexpr int kTrayBalloonUserClick = 0x0405;  // NIN_BALLOONUSERCLICK

struct TrayEvent {
    int event = 0;
    int iconId = 0;
    ScreenPoint anchor{};  // where the shell puts the icon (version 4 only)
    bool operator==(const TrayEvent&) const = default;
};

// The callback's parameters. In version 4 the event is the low word of
// lParam, the icon the high word, and wParam holds the anchor (x in its low
// word, y in the next, both signed: a screen left of or above the primary
// one has negative coordinates). In the earlier format wParam is the icon and
// lParam the event.
TrayEvent decodeTrayCallback(uint64_t wParam, uint64_t lParam, bool version4);

enum class TrayAction {
    None,
    Mouse,        // the mouse message as before: TrayController::trayMouse(icon, event)
    KeyMenu,      // the popup menu at the anchor, opened from the keyboard
    BalloonClick  // the first start's notification was clicked
};

// Decides the action for each event in turn. `time` is the message's time
// in milliseconds; `menuOpen` whether the popup menu is open now.
class TrayEventFilter {
public:
    // A second select within this time of the first is the same activation
    // (some shells send Enter twice).
    static constexpr uint32_t kRepeatMs = 500;
    // The shell's echo follows the click within this time.
    static constexpr uint32_t kEchoMs = 1000;

    TrayAction take(const TrayEvent& e, uint32_t time, bool menuOpen);

private:
    struct Seen {
        int event = 0;
        int iconId = 0;
        uint32_t time = 0;
        bool pending = false;
    };
    Seen lastButton_;  // the last button released, until its echo came
    Seen lastKey_;     // the last keyboard select or context menu
};

// The icon the first start's notification comes from: the first date icon,
// or the clock icon where the mode shows no date icon.
int hintIconId(int dateIconCount);

// The first start's notification: title and text, within the 63 and 255
// characters the shell holds.
struct TrayHint {
    std::u16string title;
    std::u16string text;
};
TrayHint firstStartHint();

// Whether the hint is due now: it was asked for (a first start), has not
// been shown, and its icon is in the notification area (not among those the
// shell refused). Once shown it is never due again.
class FirstStartHint {
public:
    explicit FirstStartHint(bool firstStart) : pending_(firstStart) {}
    bool due(int iconId, bool iconsAdded, const std::vector<int>& missingIcons) const;
    void shown() { pending_ = false; }
    bool pending() const { return pending_; }

private:
    bool pending_;
};

}  // namespace marilo
