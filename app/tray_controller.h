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
#include "alerts/busy_hold.h"
#include "app/graph_day.h"
#include "app/interfaces.h"
#include "app/settings.h"
#include "app/tray_logic.h"
#include "app/tray_menu.h"
#include "calendar/date_time.h"
#include "res/resource.h"  // the tray icons' pictures
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
    // The shell was restarted: everything is added again, and refused icons
    // get a fresh retry schedule.
    void readdAllIcons();
    // "Iconリフレッシュ": delete and add again.
    void refreshIcons();
    // The icons' look changed (the screen's dpi, the taskbar's theme): every
    // icon shown is drawn again and replaced.
    void redrawIcons();

    void scheduleTick();
    // One tick. True when a new minute began and alerts are on. Every tick
    // also runs the alert scheduler for the minutes it has not yet checked.
    bool tick();
    // The system clock was set.
    void timeChanged();
    // The machine woke from sleep: as for a set clock, the icons are
    // redrawn at once and the tick rescheduled, whatever the tick's period.
    void resumedFromSleep() { timeChanged(); }

    // A tray mouse message; for OpenMenu the menu's shown day has been chosen.
    TrayClick trayMouse(int iconNumber, int mouseMessage);

    // The keyboard's select or menu key on an icon: the menu opens (while
    // popups are enabled) on the day a click on that icon would choose.
    TrayClick trayKey(int iconNumber);

    // kCmdGraphItem: the other graph size.
    void toggleGraphSize();
    // A port command; true when it named a port of the table.
    bool selectPort(int commandId);

    // The popup menu: the shown day, where it opens, what it shows.
    TrayMenu& menu() { return menu_; }
    const TrayMenu& menu() const { return menu_; }
    // How the tide graph is drawn (menu item, graph window, clipboard).
    GraphStyle graphStyle(int dpi = kBaseDpi) const { return graphStyleOf(settings_, dpi); }

    // Tray clicks open the menu only while popups are enabled; they are not
    // while the About box or the settings dialog is open.
    void setPopupsEnabled(bool on) { popupsEnabled_ = on; }
    bool popupsEnabled() const { return popupsEnabled_; }

    // Settings dialog confirmed with these values and rules.
    void applySettings(const AppSettings& edited, const RuleList& rules, ChangeMarks marks);

    // Alerts. The sink is the alert window; without one, alerts are decided
    // but not shown.
    void setAlertSink(AlertSink* sink) { alertSink_ = sink; }
    // Where the scheduler asks whether the user is busy; without one every
    // alert goes through. With QuietBusy on, an alert found while the user
    // is busy only makes the icon blink and waits (HeldAlert): it is shown
    // on a later tick once the user accepts notifications again within the
    // hour after it was due.
    void setUserState(UserStateSource* source) { userState_ = source; }
    // The scheduler over the minutes a tick at `now` has to check (the
    // present one, and up to five a late tick skipped; alertMinutesToCheck),
    // each once, in order, while Alert is on. Each alert found goes to the
    // sink; returns how many were shown. The three days' solutions are kept
    // and solved again only for another date or port.
    int AlertScheduler(const DateTime& now);
    // Hands the sound switch to the alert window: after loading the settings,
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

    // The tooltips last handed to the shell: date icon 1..N, the clock.
    const std::string& iconTip(int iconNumber) const { return iconTips_[iconNumber - 1]; }
    const std::string& clockTip() const { return clockTip_; }

    // Icons the shell refused are asked for again on a timer of their own
    // (IconAddRetry's schedule); without one they stay missing until the
    // taskbar restarts.
    void setRetryTimer(TickTimer* timer) { retryTimer_ = timer; }
    // The retry timer fired: the missing icons are added again.
    void retryMissingIcons();
    const std::vector<int>& missingIcons() const { return retry_.missing(); }

    int32_t mode() const { return shownTrayMode(settings_.settings); }
    DateTime lastTick() const { return lastTick_; }

private:
    // The present moment in the selected port's zone time (TrayMenu::portNow).
    DateTime portNow() const { return menu_.portNow(); }
    void sendDateIcons(bool add, bool alert);
    void sendDateIcon(int iconNumber, bool add, bool alert, const DateTime& now);
    void sendClockIcon(bool add);
    // Adds or modifies an icon; the tip (cp932) goes to the shell in UTF-16.
    void sendIcon(bool add, int id, const OwnedIcon& icon, const std::string& tip);
    void removeIcon(int id);
    // Starts the retry timer when an icon is missing and none runs.
    void armRetry();
    DateIconImage imageFor(int32_t mode, int slot, int k, const DateTime& today, bool alert);

    ControllerSettings& settings_;
    NotifyArea& shell_;
    TrayImages& images_;
    TickTimer& timer_;
    const Clock& clock_;
    TideFacts& tide_;
    DateTime lastTick_;
    TrayMenu menu_;
    bool popupsEnabled_ = true;
    std::string clockTip_;
    std::string iconTips_[kMaxDateIcons];
    IconAddRetry retry_;
    TickTimer* retryTimer_ = nullptr;
    AlertSink* alertSink_ = nullptr;
    UserStateSource* userState_ = nullptr;
    HeldAlert heldAlert_;
    std::optional<DateTime> lastAlertMinute_;  // the last minute the scheduler checked
    std::optional<AlertDays> alertDays_;       // the three days of that minute's date
};

// Same calendar day / same minute of the same day.
bool sameDay(const DateTime& a, const DateTime& b);
bool sameMinute(const DateTime& a, const DateTime& b);

}  // namespace marilo
