#pragma once
// The tray controller without its window: the tray icons and their tooltips,
// the tick timer with its midnight schedule, the day and minute changes, the
// tray clicks and the commands that change what the controller holds. The
// window (CTrayDlg) feeds it messages and acts on what it answers; the shell,
// the clock, the timer, the icon images and the tide come in through
// interfaces so that all of this runs and is tested anywhere.

#include <cstdint>
#include <optional>
#include <string>

#include "alerts/alert_sink.h"
#include "app/graph_day.h"
#include "app/interfaces.h"
#include "app/menu_model.h"
#include "app/settings.h"
#include "app/tray_logic.h"
#include "calendar/date_time.h"
#include "engine/port_address.h"

namespace marilo {

// What the tooltips tell of a day and a moment at the selected port.
struct DayFacts {
    std::string tideName;  // cp932
    double moonAge = 0;
};
class TideFacts {
public:
    virtual ~TideFacts() = default;
    virtual DayFacts day(PortAddress port, const DateTime& date) = 0;
    // The level in cm at the given minute.
    virtual double levelAt(PortAddress port, const DateTime& when) = 0;
    // Yesterday, today and tomorrow of a date with their stage times, for
    // the alert scheduler.
    virtual AlertDays alertDays(PortAddress port, const DateTime& date) { return solveAlertDays(port, date); }
};

// Everything the painter needs for one date icon.
struct DateIconImage {
    int32_t mode = 0;
    int slot = 0;          // image slot, icon number - 1
    int k = 0;             // image index within the mode
    DateTime day;          // the day the image shows
    uint32_t color = 0;    // date colour from the rules, 0x00BBGGRR
    bool todayFrame = false;
    int resourceId = 0;    // an icon resource instead of a drawn image, or 0
    IconFigures figures;
};

// Makes the icon images the shell is handed.
class TrayImages {
public:
    virtual ~TrayImages() = default;
    virtual OwnedIcon dateIcon(const DateIconImage& image) = 0;
    virtual OwnedIcon clockIcon(const AppSettings& settings, int hour, int minute) = 0;
};

constexpr int kAppIconId = 128;
constexpr int kAlertIconId = 202;
constexpr int kFirstMoonIconId = 173;

// What a tray mouse message asks of the window.
enum class TrayClick { None, OpenMenu, OpenDateTimeSettings };

class TrayController {
public:
    TrayController(ControllerSettings& settings, NotifyArea& shell, TrayImages& images, TickTimer& timer,
                   const Clock& clock, TideFacts& tide);

    // Start-up: remembers the present as the last tick, shown day today.
    void start();
    // End of the splash: adds the icons and starts the tick timer.
    void finishSplash();

    // Icons of the current mode; deleting removes those of the mode in force.
    void AddDateIcons();
    void UpdateDateIcons(bool alert);
    void DeleteDateIcons();
    void AddClockIcon();
    void UpdateClockIcon();
    void DeleteClockIcon();
    // The shell was restarted: everything is added again.
    void readdAllIcons();
    // "Iconリフレッシュ": delete and add again.
    void refreshIcons();

    void scheduleTick();
    // One tick. True when a new minute began and alerts are on. Every tick
    // also runs the alert scheduler for the minutes it has not yet checked.
    bool tick();
    // The system clock was set.
    void timeChanged();
    // The machine woke from sleep: as for a set clock, the icons are
    // redrawn at once and the tick rescheduled, whatever the tick's period.
    void resumedFromSleep() { timeChanged(); }

    // A tray mouse message; for OpenMenu the shown day has been chosen.
    TrayClick trayMouse(int iconNumber, int mouseMessage);

    // Calendar strip click; true when the menu is to be reopened.
    bool calendarStrip(int x, int itemWidth);
    // Command 1125: the other graph size.
    void toggleGraphSize();
    // A port command; true when it named a port of the table.
    bool selectPort(int commandId);

    // The popup menu of the shown day at the selected port; refreshes
    // selectedPortName and hlText.
    PopupMenuModel popupMenu(bool shiftDown);
    // What the tide graph shows at this moment; refreshes selectedPortName.
    GraphDay graphDay();
    // A click on the calendar strip with the cursor at screen column
    // cursorX, placed by the graph item's left edge on the screen when it is
    // known, otherwise by menuPoint and lastItemRect; true when the menu is
    // to be reopened.
    bool stripClick(int32_t cursorX);

    // Settings dialog confirmed with these values and rules.
    void applySettings(const AppSettings& edited, const RuleList& rules);

    // Alerts. The sink is the alert window; without one, alerts are decided
    // but not shown.
    void setAlertSink(AlertSink* sink) { alertSink_ = sink; }
    // The scheduler over the minutes a tick at `now` has to check (the
    // present one, and up to five a late tick skipped; alertMinutesToCheck),
    // each once, in order, while Alert is on. Each alert found goes to the
    // sink; returns how many were shown. The three days' solutions are kept
    // and solved again only for another date or port.
    int AlertScheduler(const DateTime& now);
    // Copies Snd (soundOn) to the alert window: after loading the settings,
    // and after the settings dialog (applySettings does it too).
    void handOverSound();

    // The window is going away: icons removed, timer stopped, IsVirgin
    // cleared; the caller saves afterwards.
    void shutdown();

    // Tooltip of a date image k of the current mode, and of the clock: the
    // machine's time `now` with the level at `portNow`, the same moment in
    // the port's zone time.
    std::string dateTip(int k, const DateTime& now);
    std::string clockTipText(const DateTime& now, const DateTime& portNow);

    int32_t dayOffset = 0;
    bool popupsEnabled = true;
    std::string clockTip;
    std::string iconTips[kMaxDateIcons];
    std::string selectedPortName;  // cp932, the table's name of the selected port
    std::string hlText;            // the shown day's high/low lines, as copied
    ScreenPoint menuPoint;         // where the last tray click opened the menu
    ItemRect lastItemRect;         // the graph item as last drawn, in the menu's coordinates
    std::optional<int32_t> lastItemScreenLeft;  // and its left edge on the screen, when known

    int32_t mode() const { return effectiveTrayMode(settings_.settings.TrayIcon); }
    DateTime lastTick() const { return lastTick_; }

private:
    // The present moment in the selected port's zone time: the tide's clock
    // (level now, Now mark, the day the menu opens on, the alerts). The date
    // icons and the clock icon keep the machine's own local time.
    DateTime portNow() const { return clock_.zoneNow(settings_.port.zoneMeridian()); }
    bool pressStripButton(int button);
    void sendDateIcons(bool add, bool alert);
    void sendClockIcon(bool add);
    DateIconImage imageFor(int32_t mode, int slot, int k, const DateTime& today, bool alert);

    ControllerSettings& settings_;
    NotifyArea& shell_;
    TrayImages& images_;
    TickTimer& timer_;
    const Clock& clock_;
    TideFacts& tide_;
    DateTime lastTick_;
    AlertSink* alertSink_ = nullptr;
    std::optional<DateTime> lastAlertMinute_;  // the last minute the scheduler checked
    std::optional<AlertDays> alertDays_;       // the three days of that minute's date
};

// Same calendar day / same minute of the same day.
bool sameDay(const DateTime& a, const DateTime& b);
bool sameMinute(const DateTime& a, const DateTime& b);

}  // namespace marilo
