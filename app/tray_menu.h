#pragma once
// The popup menu's part of the tray controller: the day it shows (as an
// offset from today), where it opens, where its graph item was last drawn,
// and what its items show and do: the menu model, the tide graph of the
// shown day, the calendar strip's buttons and the texts kept for the
// clipboard. It reads the selected port, the rules and the click settings;
// it changes none of them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/screen_geometry.h"
#include "app/graph_day.h"
#include "app/interfaces.h"
#include "app/menu_model.h"
#include "app/settings.h"
#include "app/tray_logic.h"

namespace marilo {

class TrayMenu {
public:
    TrayMenu(const ControllerSettings& settings, const Clock& clock);

    // Start-up: the menu shows today.
    void showToday();
    // A tray click on icon `iconNumber` opens the menu: PopCalMode returns
    // to today, in week mode the icon's day is shown.
    void chooseDayForClick(int iconNumber);
    // Whole days from today to the shown day.
    int32_t dayOffset() const { return dayOffset_; }

    // The present moment in the selected port's zone time: the tide's clock
    // (level now, Now mark, the day the menu opens on, the alerts). The date
    // icons and the clock icon keep the machine's own local time.
    DateTime portNow() const;

    // Where the menu opens (the last tray click) and the graph window stands.
    void setMenuPoint(ScreenPoint at) { menuPoint_ = at; }
    ScreenPoint menuPoint() const { return menuPoint_; }

    // The menu of the shown day at the selected port; keeps the port's name
    // and the high/low lines.
    PopupMenuModel popupMenu(bool shiftDown, bool startAtSignIn = false);
    // What the tide graph shows at this moment; keeps the port's name.
    GraphDay graphDay();
    // The graphs of `days` days from the shown one, for the graph window.
    std::vector<GraphDay> graphDays(int days);
    const std::string& selectedPortName() const { return selectedPortName_; }
    const std::string& hlText() const { return hlText_; }

    // The graph item was drawn at `rect` in the menu's coordinates, its left
    // edge at `screenLeft` on the screen when that is known.
    void graphItemDrawn(const ItemRect& rect, std::optional<int32_t> screenLeft);
    // A click on the calendar strip with the cursor at screen column
    // cursorX, on a menu laid out for `menuDpi`, placed by the graph item's
    // left edge on the screen when it is known, otherwise by the menu point
    // and the item's width; true when the menu is to be reopened.
    bool stripClick(int32_t cursorX, int menuDpi);
    // The same for a cursor x columns right of the click point, in an item
    // itemWidth wide.
    bool calendarStrip(int x, int itemWidth, int menuDpi);
    // Strip button 0..4 pressed; false for anything else (nothing changes).
    bool pressStripButton(int button);

    // The calendar strip was drawn at `onScreen`, when that is known.
    void stripDrawn(std::optional<ScreenRect> onScreen) { stripOnScreen_ = onScreen; }
    // How the strip's command came about, and so how the menu reopens.
    enum class StripPress { Nothing, Mouse, Keyboard };
    // The strip's command, with the mouse at `at` on a menu laid out for
    // menuDpi: a button a key named while the menu was open (keyButton); a
    // click inside the strip where it was drawn presses the button under
    // the mouse; anything else (Enter on the strip chosen from the keyboard)
    // shows today. Where the strip stands is unknown, the mouse decides.
    StripPress stripCommand(std::optional<int> keyButton, ScreenPoint at, int menuDpi);

private:
    const ControllerSettings& settings_;
    const Clock& clock_;
    int32_t dayOffset_ = 0;
    ScreenPoint menuPoint_;
    ItemRect lastItemRect_;                       // the graph item as last drawn
    std::optional<int32_t> lastItemScreenLeft_;   // and its left edge on the screen, when known
    std::optional<ScreenRect> stripOnScreen_;     // the strip of the open menu, when known
    std::string selectedPortName_;                // cp932, the table's name of the selected port
    std::string hlText_;                          // the shown day's high/low lines, as copied
};

}  // namespace marilo
