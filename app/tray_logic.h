#pragma once
// The tray controller's decisions as plain functions: how many date icons a
// display mode has and what each one shows, the tick period, which click
// opens the menu and for which day, the calendar strip's buttons, the port
// commands and the high/low text.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/display_modes.h"
#include "app/graph_frame.h"
#include "app/settings.h"
#include "base/screen_geometry.h"
#include "calendar/date_time.h"

namespace marilo {

// Mouse messages of the tray callback.
constexpr int kMouseLeftUp = 0x0202;
constexpr int kMouseLeftDoubleClick = 0x0203;
constexpr int kMouseRightUp = 0x0205;

constexpr int kClockIconId = 0;
constexpr int kMaxDateIcons = 10;

// The mode actually shown for a stored TrayIcon. A value outside 0..9 would
// leave the program without any icon to click (and so without a way to its
// settings or to Exit); it shows as the default moon mode instead.
int32_t effectiveTrayMode(int32_t trayIcon);
// The same for the settings in force.
int32_t shownTrayMode(const AppSettings& settings);

// Number of date icons of a mode (0 for the clock-only mode).
int dateIconCount(int32_t mode);

// Image index k shown by date icon number `iconNumber` (1..n).
int imageIndexOf(int iconNumber, int n, bool reverse);

// Period of the tick timer in milliseconds: 5 s while the clock icon or the
// alerts need every minute, otherwise hourly, closing in on midnight so the
// date icons change within seconds after 0:00.
int tickPeriodMs(bool trayClock, bool alert, int hour, int minute);

// Icons the shell refused to add, and when to ask again. At sign-in the
// shell is often not ready for them: a refused icon is asked for again after
// 1 s, then after 2, 4, 8 ... s (at most 64 s apart) until five minutes of
// waiting have passed; a restarted taskbar starts the schedule over.
class IconAddRetry {
public:
    static constexpr int kFirstDelayMs = 1000;
    static constexpr int kLongestDelayMs = 64000;
    static constexpr int kGiveUpAfterMs = 300000;

    // The shell's answer to adding icon `id`.
    void added(int id, bool accepted);
    // The icon was deleted: nothing to ask for any more.
    void removed(int id);
    // The icons still missing, in increasing order.
    const std::vector<int>& missing() const { return missing_; }
    // The wait before the next attempt, counted as waited; none when nothing
    // is missing or the five minutes are used up.
    std::optional<int> nextDelayMs();
    // The taskbar came back: a fresh schedule.
    void restart();

private:
    std::vector<int> missing_;
    int attempts_ = 0;
    int waitedMs_ = 0;
};

// Whether a tray mouse message opens the popup menu under MousePop
// (0 right button, 1 left, 2 both). A stored value outside 0..2 acts as 0.
bool clickOpensMenu(int32_t mousePop, int mouseMessage, bool popupsEnabled);

// The shown day chosen by a click that opens the menu: returns the new
// dayOffset. PopCalMode returns to today; in week mode a date icon selects
// the day it shows and the clock icon selects today.
int32_t dayOffsetForClick(int32_t currentOffset, bool popCalMode, int32_t mode, bool reverse, int iconNumber,
                          int todayWeekday);

// The button (0..4) of the calendar strip under the cursor, or -1. x is the
// cursor's x minus the click point's x; itemWidth the width of the last
// drawn menu item, on a screen of the strip's dpi.
int calendarStripButton(int x, int itemWidth, const StripFrame& strip);

constexpr int kStripToday = 2;  // the strip's middle button, ■

// The strip button a character typed in the open menu presses: '[' or '{' a
// month back, '<' or ',' a day back, '>' or '.' a day forward, ']' or '}' a
// month forward (also their full-width forms and the Japanese punctuation
// the same keys type with the input method on); -1 for any other character.
// Today is Enter on the strip.
int stripButtonForKey(uint32_t character);
// The key a strip button is named with: '[', '<', none (0) for today, '>',
// ']'; 0 for another number.
char stripButtonKey(int button);

// dayOffset after pressing a strip button on the day today + offset:
// 0 a month back, 1 a day back, 2 today, 3 a day forward, 4 a month forward.
// A month step keeps the day of the month, or lands on the month's last day
// when the month is shorter.
int32_t dayOffsetAfterStripButton(const DateTime& today, int32_t offset, int button);

// The date today + offset, at 0:00.
DateTime shownDay(const DateTime& today, int32_t offset);

// One turning point as the high/low lines show it.
struct HighLowEntry {
    int32_t kind;  // 0 high water, 1 low water, anything else none
    int32_t hour;
    int32_t minute;
    double level;  // cm
};

// Title of the port chooser's popup, "場所設定(%s)" with the port's table
// name (cp932).
std::string portChooserTitle(const char* portName);

// "H %2d:%02d %3.0f" or "L %2d:%02d %3.0f"; empty when there is no extreme.
std::string highLowLine(const HighLowEntry& e);
// The first four lines, each ended by a line feed (empty lines included).
std::string highLowText(const std::vector<HighLowEntry>& extremes);

// What a date icon of a numeric mode writes: the first and, for the split
// modes, the second text, in UTF-16 as the icon draws them. Week and
// day-weekday modes give day and weekday name; the moon, application icon
// and clock modes give nothing.
struct IconFigures {
    std::u16string first;
    std::u16string second;
};
IconFigures iconFigures(int32_t mode, int k, const DateTime& shown);

// The day date icon k shows: today, or for the week mode the k-th day of
// the current week, Sunday first.
DateTime iconDay(int32_t mode, int k, const DateTime& today);

// Date colours that are drawn with grey rather than white shadows.
bool isLightDateColor(uint32_t color);

}  // namespace marilo
