#include "program/tray_dlg.h"

#include <windowsx.h>

#include <cwchar>

#include "app/menu_model.h"
#include "app/start_at_sign_in.h"
#include "app/version_info.h"
#include "platform/system_theme.h"
#include "platform/taskbar_probe.h"
#include "platform/text.h"
#include "render/graph_popup_dlg.h"
#include "render/icon_layout.h"
#include "render/menu_items.h"
#include "render/month_window_dlg.h"
#include "render/tide_graph.h"
#include "res/resource.h"

namespace marilo {

CTrayDlg::CTrayDlg(SettingsStore& store)
    : Dialog(IDD_SPLASH),
      store_(store),
      appIcon_(loadIconResource(IDR_MAINFRAME, 32)),
      appIconSmall_(loadIconResource(IDR_MAINFRAME, 16)),
      controller_(settings_, shell_, images_, tickTimer_, clock_, tide_),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      quitMessage_(RegisterWindowMessageW(kQuitMessageName)) {}

void CTrayDlg::onInitDialog() {
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon_.get()));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall_.get()));
    SetWindowTextW(hwnd(), L"Marilo");  // never shown; lets tools find the window
    shell_.setOwner(hwnd());
    tickTimer_.attach(hwnd());
    retryTimer_.attach(hwnd());
    controller_.setRetryTimer(&retryTimer_);
    theme_ = themes_.theme();  // the date icons drawn at the start need it
    controller_.start();
    painter_ = std::make_unique<TrayPainter>();
    takeTrayLook();
    splashTimer_ = SetTimer(hwnd(), kSplashTimerId, kSplashMs, nullptr) != 0;
    if (splashTimer_) ShowWindow(hwnd(), SW_SHOW);
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & ~WS_EX_APPWINDOW);
    hint_ = FirstStartHint(LoadSettings(store_, settings_, IsWindowsXp()));
    setItemText(IDC_VERSION_LINE, versionLine(runningVersion()).c_str());
    alertWnd_.CreateAlertWindow(hwnd());
    controller_.setAlertSink(&alertWnd_);
    controller_.setUserState(&userState_);
    alertWnd_.setTheme(theme_);
    controller_.handOverSound();
}

bool CTrayDlg::takeTrayLook() {
    if (!painter_) return false;
    // The small-icon size as the system states it, or as it follows from
    // the dpi where the system cannot say.
    const int dpi = taskbarDpi(hwnd());
    const int stated = systemSmallIconSize(dpi);
    const int size = stated > 0 ? stated : trayIconSizeForDpi(dpi);
    const TaskbarTheme theme = taskbarIsDark() ? TaskbarTheme::Dark : TaskbarTheme::Light;
    if (size == painter_->size() && theme == painter_->theme()) return false;
    painter_->configure(size, theme);
    return true;
}

void CTrayDlg::takeTheme() {
    theme_ = themes_.theme();
    alertWnd_.setTheme(theme_);
}

void CTrayDlg::onDestroy() {
    KillTimer(hwnd(), kSplashTimerId);
    controller_.shutdown();  // clears IsVirgin, stops the tick, removes the icons
    SaveSettings(store_, settings_);
    PostMessageW(hwnd(), WM_NULL, 0, 0);
    painter_.reset();
}

std::optional<INT_PTR> CTrayDlg::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == taskbarCreated_ && taskbarCreated_ != 0) {
        onTaskbarCreated();
        return TRUE;
    }
    if (msg == quitMessage_ && quitMessage_ != 0) {  // as Exit
        PostQuitMessage(0);
        return TRUE;
    }
    switch (msg) {
        case WM_INITDIALOG: onInitDialog(); return TRUE;
        case kTrayCallbackMessage: onTrayCallback(wp, lp); return TRUE;
        case WM_ENTERIDLE:
            // A menu opened from the keyboard selects its first item, as the
            // menu key does it, or the item asked for: Downs to the menu once
            // it is shown.
            if (wp == MSGF_MENU && selectDowns_ > 0 && lp) {
                for (; selectDowns_ > 0; --selectDowns_)
                    PostMessageW(reinterpret_cast<HWND>(lp), WM_KEYDOWN, VK_DOWN, 0);
            }
            return std::nullopt;
        case WM_MENUCHAR: return onMenuChar(wp, lp);
        case WM_COMMAND: onCommand(LOWORD(wp)); return TRUE;
        case WM_MEASUREITEM:
            if (!onMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp))) return std::nullopt;
            return TRUE;
        case WM_DRAWITEM:
            if (!onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return std::nullopt;
            return TRUE;
        case WM_TIMER: onTimer(wp); return TRUE;
        case WM_DPICHANGED: onDpiChanged(); return TRUE;
        case WM_CLOSE: return TRUE;  // Alt+F4 on the splash does not end the program either
        case WM_DESTROY: onDestroy(); return TRUE;
        default: return onSystemChange(msg, wp, lp);
    }
}

// A new taskbar (Explorer restarted) has none of the icons, and may have
// another dpi or theme.
void CTrayDlg::onTaskbarCreated() {
    takeTrayLook();
    controller_.readdAllIcons();
}

// A message from the notification area about one of the icons: the mouse
// as ever; Enter, Space or the menu key open the menu at the icon.
void CTrayDlg::onTrayCallback(WPARAM wp, LPARAM lp) {
    const TrayEvent e = decodeTrayCallback(wp, static_cast<uint64_t>(lp), shell_.version4());
    switch (trayEvents_.take(e, static_cast<uint32_t>(GetMessageTime()), menuOpen_)) {
        case TrayAction::None: return;
        case TrayAction::BalloonClick: shellOpen(hwnd(), "open", "ms-settings:taskbar", nullptr); return;
        case TrayAction::KeyMenu:
            if (controller_.trayKey(e.iconId) != TrayClick::OpenMenu) return;
            controller_.menu().setMenuPoint(e.anchor);  // the icon, wherever the mouse is
            ShowPopupMenu(e.iconId);
            return;
        case TrayAction::Mouse: break;
    }
    const TrayClick click = controller_.trayMouse(e.iconId, e.event);
    if (click == TrayClick::OpenMenu) {
        // The shell may send rather than post its callback, which leaves the
        // message position behind: ask for the cursor, and take the
        // message's position when it cannot be read.
        POINT cursor;
        controller_.menu().setMenuPoint(GetCursorPos(&cursor) ? ScreenPoint{cursor.x, cursor.y} : messagePoint());
        ShowPopupMenu();
    } else if (click == TrayClick::OpenDateTimeSettings) {
        shellOpen(hwnd(), "OPEN", "rundll32.exe", "shell32.dll,Control_RunDLL timedate.cpl");
    }
}

void CTrayDlg::onTimer(UINT_PTR id) {
    if (id == kSplashTimerId) {
        ShowWindow(hwnd(), SW_HIDE);
        KillTimer(hwnd(), kSplashTimerId);
        controller_.finishSplash();
        iconsAdded_ = true;
        showHintWhenDue();
    } else if (id == kTickTimerId) {
        controller_.tick();  // runs the alert scheduler too
    } else if (id == kIconRetryTimerId) {
        controller_.retryMissingIcons();
        showHintWhenDue();
    }
}

void CTrayDlg::showHintWhenDue() {
    const int icon = hintIconId(dateIconCount(controller_.mode()));
    if (!hint_.due(icon, iconsAdded_, controller_.missingIcons())) return;
    const TrayHint text = firstStartHint();
    shell_.notify(icon, text.title, text.text);
    hint_.shown();  // whatever the shell did with it: once
}

// The icons drawn anew when the taskbar's icon size or theme has changed.
void CTrayDlg::followTrayLook() {
    if (takeTrayLook()) controller_.redrawIcons();
}

void CTrayDlg::onDpiChanged() { followTrayLook(); }

// The clock, the displays, the theme, sleep and sign-out; nothing for what
// the dialog's own handling should see too.
std::optional<INT_PTR> CTrayDlg::onSystemChange(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_TIMECHANGE: controller_.timeChanged(); return TRUE;
        case WM_DISPLAYCHANGE: followTrayLook(); return TRUE;
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            // The theme's colours changed: lParam names "ImmersiveColorSet",
            // or high contrast went on or off.
            if (themeMayHaveChanged(msg, wp, lp)) {
                // High contrast turned on or off recolours the date icons,
                // whatever the taskbar did.
                const bool highContrast = theme_.highContrast;
                takeTheme();
                if (takeTrayLook() || theme_.highContrast != highContrast) controller_.redrawIcons();
            }
            return std::nullopt;
        case WM_POWERBROADCAST:
            if (wp != PBT_APMRESUMEAUTOMATIC && wp != PBT_APMRESUMESUSPEND) return std::nullopt;
            controller_.resumedFromSleep();
            return TRUE;
        case WM_ENDSESSION:
            // Logging off ends the process without destroying the window:
            // keep what Exit would have kept (a port chosen from the menu).
            if (wp) {
                settings_.settings.IsVirgin = false;
                SaveSettings(store_, settings_);
            }
            return TRUE;
        default: return std::nullopt;
    }
}

}  // namespace marilo
