#include "program/tray_dlg.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdio>
#include <cwchar>

#include "app/menu_model.h"
#include "app/start_at_sign_in.h"
#include "app/version_info.h"
#include "platform/dpi.h"
#include "program/menu_builder.h"
#include "platform/text.h"
#include "render/accessible_names.h"
#include "render/graph_popup_dlg.h"
#include "render/icon_layout.h"
#include "render/menu_items.h"
#include "render/month_window_dlg.h"
#include "render/tide_graph.h"
#include "res/resource.h"
#include "settings_ui/win/settings_dlg.h"

namespace marilo {

// The resource script and the code name the same numbers.
static_assert(ID_APP_ABOUT == kCmdAbout && ID_SETTINGS == kCmdSettings && ID_GRAPH_WINDOW == kCmdGraphWindow &&
              ID_APP_EXIT == kCmdExit && ID_GRAPH_ITEM == kCmdGraphItem && ID_CALENDAR_STRIP == kCmdCalendarStrip &&
              ID_ICON_REFRESH == kCmdIconRefresh && ID_COPY_GRAPH == kCmdCopyGraph &&
              ID_COPY_HIGH_LOW == kCmdCopyHighLow && ID_START_AT_SIGN_IN == kCmdStartAtSignIn);
static_assert(IDD_GRAPH_POPUP == kGraphPopupTemplate && IDI_GRAPH_MOON_FIRST == kGraphMoonIconFirst &&
              IDI_NOW_MARK_SMALL == kNowMarkSmallIcon && IDI_NOW_MARK == kNowMarkIcon &&
              IDI_EXTREME_MARK == kExtremeMarkIcon);
static_assert(ID_MONTH_WINDOW == kCmdMonthWindow && IDD_MONTH_WINDOW == kMonthWindowTemplate &&
              ID_MONTH_PREVIOUS == kMonthCmdPrevious && ID_MONTH_NEXT == kMonthCmdNext &&
              ID_MONTH_THIS == kMonthCmdThis && ID_MONTH_COPY == kMonthCmdCopy && ID_MONTH_SAVE == kMonthCmdSave);

namespace {

// Where the mouse was when the message being handled was posted: for a menu
// command, the click that chose the item, however late it is read.
ScreenPoint messagePoint() {
    const DWORD at = GetMessagePos();
    return {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
}

// The left edge on the screen of an item of an open popup menu.
std::optional<int32_t> screenLeftOfMenuItem(HMENU menu, UINT id) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        RECT r;
        if (GetMenuItemID(menu, i) == id && GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &r)) return r.left;
    }
    return std::nullopt;
}

// A function of user32 that older systems lack, or null.
template <typename Fn>
Fn user32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name))) : nullptr;
}

// The dpi the taskbar's icons are drawn at: the taskbar's own on systems
// that know a dpi per window (Windows 10 and later), the screen's otherwise.
int taskbarDpi(HWND owner) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    const auto dpiForWindow = user32Function<DpiForWindow>("GetDpiForWindow");
    if (dpiForWindow) {
        HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
        const UINT dpi = dpiForWindow(taskbar ? taskbar : owner);
        if (dpi != 0) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The small-icon size at a dpi as the system states it, or as it follows
// from the dpi where the system cannot say.
int smallIconSize(int dpi) {
    using MetricsForDpi = int(WINAPI*)(int, UINT);
    const auto metricsForDpi = user32Function<MetricsForDpi>("GetSystemMetricsForDpi");
    const int size = metricsForDpi ? metricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi)) : 0;
    return size > 0 ? size : trayIconSizeForDpi(dpi);
}

// SystemUsesLightTheme under the Personalize key: 0 is a dark taskbar;
// absent (every system before the dark taskbar) or anything else is light.
TaskbarTheme taskbarTheme() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return TaskbarTheme::Light;
    DWORD value = 1, type = 0, size = sizeof value;
    const LONG got = RegQueryValueExW(key, L"SystemUsesLightTheme", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return got == ERROR_SUCCESS && type == REG_DWORD && value == 0 ? TaskbarTheme::Dark : TaskbarTheme::Light;
}

}  // namespace

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
    controller_.handOverSound();
}

bool CTrayDlg::takeTrayLook() {
    if (!painter_) return false;
    const int size = smallIconSize(taskbarDpi(hwnd()));
    const TaskbarTheme theme = taskbarTheme();
    if (size == painter_->size() && theme == painter_->theme()) return false;
    painter_->configure(size, theme);
    return true;
}

void CTrayDlg::runAbout() {
    controller_.setPopupsEnabled(false);
    CAboutDlg about;
    about.runModal(hwnd());
    controller_.setPopupsEnabled(true);
}

// The settings dialog works on copies; confirmed, the controller rebuilds
// what its change marks name, hands the sound switch to the alert window,
// and everything is saved. The tick timer keeps firing in the dialog's loop
// meanwhile, alerts included.
void CTrayDlg::runSettings() {
    if (settingsOpen_) return;
    settingsOpen_ = true;
    controller_.setPopupsEnabled(false);
    CSettingsDlg dlg(settings_.settings, settings_.rules);
    if (dlg.run(hwnd()) == IDOK) {
        controller_.applySettings(dlg.settings(), dlg.rules(), dlg.marks());
        SaveSettings(store_, settings_);
    }
    controller_.setPopupsEnabled(true);
    settingsOpen_ = false;
}

void CTrayDlg::ShowPopupMenu(std::optional<int> keyIcon) {
    SetForegroundWindow(hwnd());
    // The key as it is now, not as the thread's last message saw it: a Shift
    // pressed while another window had the focus counts too.
    TrayMenu& tray = controller_.menu();
    const PopupMenuModel model = tray.popupMenu(GetAsyncKeyState(VK_SHIFT) < 0, startsAtSignIn(startup_, exePath_));
    // What screen readers read for the pictures: the day with its waters,
    // the strip with the days its buttons lead to. Kept while the menu is.
    MenuItemNames names;
    const auto wide = [](const std::u16string& s) { return std::wstring(s.begin(), s.end()); };
    names.set(ID_GRAPH_ITEM, wide(dayWords(monthDayOf(tray.graphDay().day), false)));
    names.set(ID_CALENDAR_STRIP, wide(stripWords(tray.portNow(), tray.dayOffset())));
    const Menu menu = menuFromModel(model.items, &names);  // owns every popup in it
    if (!menu) return;
    const ScreenPoint at = tray.menuPoint();
    menuDpi_ = dpiAtPoint({at.x, at.y});
    // From the keyboard the first item is selected, as the menu key does
    // it: a Down to the menu once it is shown and waiting (WM_ENTERIDLE).
    selectFirstItem_ = keyIcon.has_value();
    menuOpen_ = true;
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(), nullptr);
    menuOpen_ = false;
    selectFirstItem_ = false;
    PostMessageW(hwnd(), WM_NULL, 0, 0);
    if (keyIcon) shell_.focus(*keyIcon);
}

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
        // The shell may send rather than post its callback, which leaves
        // the message position behind: ask for the cursor, and take the
        // message's position when it cannot be read.
        POINT cursor;
        controller_.menu().setMenuPoint(GetCursorPos(&cursor) ? ScreenPoint{cursor.x, cursor.y} : messagePoint());
        ShowPopupMenu();
    } else if (click == TrayClick::OpenDateTimeSettings) {
        shellOpen(hwnd(), "OPEN", "rundll32.exe", "shell32.dll,Control_RunDLL timedate.cpl");
    }
}

void CTrayDlg::showHintWhenDue() {
    const int icon = hintIconId(dateIconCount(controller_.mode()));
    if (!hint_.due(icon, iconsAdded_, controller_.missingIcons())) return;
    const TrayHint text = firstStartHint();
    shell_.notify(icon, text.title, text.text);
    hint_.shown();  // whatever the shell did with it: once
}

// The month of the shown day at the selected port.
void CTrayDlg::ShowMonthWindow() {
    const DateTime shown = controller_.menu().graphDay().day.date;
    // Enter on a day: that day's graph, its corner at the day's cell.
    const auto openDay = [this](HWND owner, const DateTime& day, ScreenPoint anchor) {
        TrayMenu& menu = controller_.menu();
        const DateTime today = menu.portNow();
        const int32_t offset = static_cast<int32_t>(daysFromCivil(day.year, day.month, day.day) -
                                                    daysFromCivil(today.year, today.month, today.day));
        CGraphPopupDlg popup(graphDayOf(settings_, today, offset), controller_.graphStyle(dpiAtPoint({anchor.x, anchor.y})),
                             anchor);
        popup.runModal(owner);
    };
    CMonthDlg window(settings_.port, settings_.rules, clock_.now(), shown, openDay);
    window.runModal(hwnd());
}

void CTrayDlg::ShowGraphPopup() {
    TrayMenu& menu = controller_.menu();
    menu.setMenuPoint(messagePoint());
    const ScreenPoint at = menu.menuPoint();
    CGraphPopupDlg popup(menu.graphDay(), controller_.graphStyle(dpiAtPoint({at.x, at.y})), at);
    popup.runModal(hwnd());
}

bool CTrayDlg::onMeasureItem(MEASUREITEMSTRUCT& item) {
    return item.CtlType == ODT_MENU && measureOwnerDrawnItem(item, controller_.graphStyle(menuDpi_).frame());
}

bool CTrayDlg::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || item.CtlID != 0) return false;
    if (item.itemID == ID_GRAPH_ITEM) {
        TrayMenu& menu = controller_.menu();
        const ItemRect drawn = drawGraphItem(item, menu.graphDay(), controller_.graphStyle(menuDpi_));
        menu.graphItemDrawn(drawn, screenLeftOfMenuItem(reinterpret_cast<HMENU>(item.hwndItem), ID_GRAPH_ITEM));
        return true;
    }
    if (item.itemID == ID_CALENDAR_STRIP) {
        drawCalendarStrip(item, StripFrame{menuDpi_});
        return true;
    }
    return false;
}

void CTrayDlg::onCommand(int id) {
    switch (id) {
        case ID_APP_EXIT: PostQuitMessage(0); return;
        case ID_APP_ABOUT: runAbout(); return;
        case ID_SETTINGS: runSettings(); return;
        case ID_GRAPH_WINDOW: ShowGraphPopup(); return;
        case ID_MONTH_WINDOW: ShowMonthWindow(); return;
        case ID_START_AT_SIGN_IN: setStartAtSignIn(startup_, exePath_, !startsAtSignIn(startup_, exePath_)); return;
        case ID_COPY_GRAPH: copyGraphToClipboard(hwnd(), controller_.menu().graphDay(), controller_.graphStyle()); return;
        case ID_GRAPH_ITEM:
            controller_.toggleGraphSize();
            ShowPopupMenu();
            return;
        case ID_CALENDAR_STRIP:
            if (controller_.menu().stripClick(messagePoint().x, menuDpi_)) ShowPopupMenu();
            return;
        case ID_ICON_REFRESH: controller_.refreshIcons(); return;
        case ID_COPY_HIGH_LOW:
            copyTextToClipboard(hwnd(), controller_.menu().hlText());
            ShowPopupMenu();
            return;
        case IDOK:
        case IDCANCEL:
            // Enter or Escape on the splash must not end the program.
            return;
        default:
            if (controller_.selectPort(id)) {
                SavePort(store_, settings_);  // kept at once, not only at exit
                ShowPopupMenu();
            }
            return;
    }
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
        takeTrayLook();  // a new taskbar may have another dpi or theme
        controller_.readdAllIcons();
        return TRUE;
    }
    if (msg == quitMessage_ && quitMessage_ != 0) {  // as Exit
        PostQuitMessage(0);
        return TRUE;
    }
    switch (msg) {
        case WM_INITDIALOG: onInitDialog(); return TRUE;
        case WM_TIMER:
            if (wp == kSplashTimerId) {
                ShowWindow(hwnd(), SW_HIDE);
                KillTimer(hwnd(), kSplashTimerId);
                controller_.finishSplash();
                iconsAdded_ = true;
                showHintWhenDue();
            } else if (wp == kTickTimerId) {
                controller_.tick();  // runs the alert scheduler too
            } else if (wp == kIconRetryTimerId) {
                controller_.retryMissingIcons();
                showHintWhenDue();
            }
            return TRUE;
        case WM_TIMECHANGE: controller_.timeChanged(); return TRUE;
        case WM_DPICHANGED:
        case WM_DISPLAYCHANGE:
            if (takeTrayLook()) controller_.redrawIcons();
            return TRUE;
        case WM_SETTINGCHANGE:
            // The theme's colours changed: lParam names "ImmersiveColorSet".
            if (lp && std::wcscmp(reinterpret_cast<const wchar_t*>(lp), L"ImmersiveColorSet") == 0 && takeTrayLook())
                controller_.redrawIcons();
            return std::nullopt;
        case WM_POWERBROADCAST:
            if (wp != PBT_APMRESUMEAUTOMATIC && wp != PBT_APMRESUMESUSPEND) return std::nullopt;
            controller_.resumedFromSleep();
            return TRUE;
        case kTrayCallbackMessage: onTrayCallback(wp, lp); return TRUE;
        case WM_ENTERIDLE:
            if (wp == MSGF_MENU && selectFirstItem_ && lp) {
                selectFirstItem_ = false;
                PostMessageW(reinterpret_cast<HWND>(lp), WM_KEYDOWN, VK_DOWN, 0);
            }
            return std::nullopt;
        case WM_COMMAND: onCommand(LOWORD(wp)); return TRUE;
        case WM_MEASUREITEM:
            if (!onMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp))) return std::nullopt;
            return TRUE;
        case WM_DRAWITEM:
            if (!onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return std::nullopt;
            return TRUE;
        case WM_CLOSE: return TRUE;  // Alt+F4 on the splash does not end the program either
        case WM_DESTROY: onDestroy(); return TRUE;
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

CAboutDlg::CAboutDlg() : Dialog(IDD_ABOUTBOX) {}

std::optional<INT_PTR> CAboutDlg::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG: {
            setItemText(IDC_VERSION_LINE, versionLine(runningVersion()).c_str());
            setItemText(IDC_SUPPORT_LINK, kSupportAddress);
            return TRUE;
        }
        case WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(wp);
            const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lp));
            if (id != IDC_SUPPORT_LINK && id != IDC_NOTICE_GROUP) return std::nullopt;
            SetTextColor(dc, id == IDC_SUPPORT_LINK ? RGB(0, 0, 255) : RGB(255, 0, 0));
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_COMMAND:
            if (LOWORD(wp) == IDC_SUPPORT_LINK && HIWORD(wp) == STN_CLICKED) {
                const DateTime today;
                const std::string url =
                    supportMailUrl(today.year, today.month, today.day, OsNames[DetectOs()], runningVersion());
                shellOpen(hwnd(), "open", url.c_str(), nullptr);
                end(IDOK);
                return TRUE;
            }
            break;
        default: break;
    }
    return Dialog::handleMessage(msg, wp, lp);
}

bool CTrayApp::InitInstance() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    if (NamedMutex::exists(L"Marilo")) return false;  // another copy runs: end silently
    mutex_ = NamedMutex::create(L"Marilo");
    if (mutex_.existedBefore()) {  // two copies started together: the later one ends
        mutex_.release();
        return false;
    }
    RegistryStore store = RegistryStore::forThisProgram();
    CTrayDlg dlg(store);
    dlg.runHiddenModal(nullptr);
    return false;
}

int CTrayApp::ExitInstance() {
    mutex_.release();
    return 0;
}

}  // namespace marilo
