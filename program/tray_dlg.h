#pragma once
// The program's main window: a dialog (IDD_SPLASH) that shows itself for
// two seconds as the splash panel and then stays hidden, owning the tray
// icons, the timers, the settings and every command of the popup menu.
// What it decides is TrayController's; this class wires it to Windows.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "alerts/win/alert_wnd.h"
#include "app/graph_day.h"
#include "app/engine_tide_facts.h"
#include "app/tray_events.h"
#include "app/settings.h"
#include "app/tray_controller.h"
#include "platform/handle.h"
#include "platform/system_theme.h"
#include "platform/win_util.h"
#include "platform/window.h"
#include "program/registry_store.h"
#include "program/shell_notify_area.h"
#include "program/startup_registry.h"
#include "program/user_state.h"
#include "program/window_timer.h"
#include "render/tray_painter.h"

namespace marilo {

constexpr UINT_PTR kSplashTimerId = 1;
constexpr UINT_PTR kTickTimerId = 2;
constexpr UINT_PTR kIconRetryTimerId = 3;  // icons the shell refused, asked for again
constexpr UINT kSplashMs = 2000;
// The registered message that asks the running program to end as Exit does
// (settings saved, icons removed); the installer and the uninstaller send it
// to the main window, found by its class (a dialog) and its title "Marilo".
constexpr const wchar_t* kQuitMessageName = L"Marilo.Quit";

class CGraphPopupDlg;

class CTrayDlg final : public Dialog {
public:
    explicit CTrayDlg(SettingsStore& store);

    // The popup menu at its menu point for the shown day; opened from the
    // keyboard on icon `keyIcon`, its first item is selected and the focus
    // goes back to that icon when it closes. With `selectId` that item is
    // selected instead, however the menu was opened.
    void ShowPopupMenu(std::optional<int> keyIcon = std::nullopt, int selectId = 0);
    // The graph window with its bottom-right corner at the mouse.
    void ShowGraphPopup();
    void ShowMonthWindow();

protected:
    std::optional<INT_PTR> handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // The messages, one member for each kind (tray_dlg.cpp).
    void onInitDialog();
    void onTaskbarCreated();
    void onTrayCallback(WPARAM wp, LPARAM lp);
    void onCommand(int id);
    // Runs the graph window able to show the stored number of days, the
    // graphs of n days from its first given by `daysFrom`; a changed
    // number is stored at once.
    void runGraphWindow(CGraphPopupDlg& popup, std::function<std::vector<GraphDay>(int)> daysFrom, HWND owner);
    void onTimer(UINT_PTR id);
    void onDpiChanged();
    std::optional<INT_PTR> onSystemChange(UINT msg, WPARAM wp, LPARAM lp);
    // Reads the system's theme into theme_ and hands it on.
    void takeTheme();
    void onDestroy();
    // The first start's notification, once its icon is in.
    void showHintWhenDue();
    // Sets the painter to the tray's icon size and the taskbar's theme;
    // true when either changed.
    bool takeTrayLook();
    void followTrayLook();
    static ScreenPoint messagePoint();
    // The popup menu's owner-drawn items and the dialogs its commands open
    // (tray_menu.cpp).
    bool onMeasureItem(MEASUREITEMSTRUCT& item);
    bool onDrawItem(const DRAWITEMSTRUCT& item);
    // A character typed in the open menu that no item's mnemonic takes: the
    // calendar strip's keys.
    std::optional<INT_PTR> onMenuChar(WPARAM wp, LPARAM lp);
    void onStripCommand();
    void runAbout();
    void runSettings();
    void runFindPort();

    SettingsStore& store_;
    ControllerSettings settings_;
    Icon appIcon_;
    Icon appIconSmall_;
    ShellNotifyArea shell_{nullptr, kTrayCallbackMessage};
    WindowTimer tickTimer_{nullptr, kTickTimerId};
    WindowTimer retryTimer_{nullptr, kIconRetryTimerId};
    SystemClock clock_;
    SystemUserState userState_;
    SystemThemeSource themes_;
    Theme theme_;  // as last read, at the start and when the system says it changed
    EngineTideFacts tide_;
    std::unique_ptr<TrayPainter> painter_;  // surfaces made at initialisation
    // Forwards to the painter once it exists.
    struct Images final : TrayImages {
        CTrayDlg& owner;
        explicit Images(CTrayDlg& o) : owner(o) {}
        // In high contrast the date is drawn in the taskbar's own ink, not
        // in the rule's colour (which stays stored).
        OwnedIcon dateIcon(const DateIconImage& i) override {
            if (!owner.painter_) return OwnedIcon();
            DateIconImage shown = i;
            if (owner.theme_.highContrast) shown.color = 0;
            return owner.painter_->dateIcon(shown);
        }
        OwnedIcon clockIcon(const AppSettings& s, int h, int m) override {
            return owner.painter_ ? owner.painter_->clockIcon(s, h, m) : OwnedIcon();
        }
    } images_{*this};
    TrayController controller_;
    // The alert window; its blinking redraws the date icons.
    CAlertWnd alertWnd_{[this](bool alert) { controller_.UpdateDateIcons(alert); }};
    UINT taskbarCreated_;
    UINT quitMessage_;
    // The sign-in entry, named after the program, for this executable.
    RegistryStartupEntry startup_{L"Marilo"};
    std::wstring exePath_ = executablePath();
    TrayEventFilter trayEvents_;
    FirstStartHint hint_{false};
    bool iconsAdded_ = false;       // the splash is over
    bool menuOpen_ = false;
    int selectDowns_ = 0;           // Down presses to send the menu, once it is shown
    std::optional<int> menuKeyIcon_;  // the icon the open menu was opened on from the keyboard
    std::optional<int> stripKey_;     // the strip button a key named in the open menu
    bool splashTimer_ = false;
    bool settingsOpen_ = false;  // one settings dialog at a time
    int menuDpi_ = 96;           // of the monitor the popup menu opens on
};

}  // namespace marilo
