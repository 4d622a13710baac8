#include "app/win/tray_dlg.h"

#include <commctrl.h>

#include <cstdio>

#include "app/version_info.h"
#include "engine/tide_day.h"
#include "platform/text.h"
#include "res/resource.h"
#include "settings_ui/win/settings_dlg.h"

namespace marilo {

namespace {

std::wstring loadString(UINT id) {
    const wchar_t* text = nullptr;
    const int n = LoadStringW(moduleInstance(), id, reinterpret_cast<LPWSTR>(&text), 0);
    return n > 0 ? std::wstring(text, static_cast<size_t>(n)) : std::wstring();
}

}  // namespace

CTrayDlg::CTrayDlg(SettingsStore& store)
    : Dialog(IDD_SPLASH),
      store_(store),
      appIcon_(loadIconResource(IDR_MAINFRAME, 32)),
      appIconSmall_(loadIconResource(IDR_MAINFRAME, 16)),
      controller_(settings_, shell_, images_, tickTimer_, clock_, tide_),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {}

void CTrayDlg::onInitDialog() {
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon_.get()));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIconSmall_.get()));
    SetWindowTextW(hwnd(), L"Marilo");  // never shown; lets tools find the window
    shell_.setOwner(hwnd());
    tickTimer_.attach(hwnd());
    controller_.start();
    painter_ = std::make_unique<TrayPainter>();
    splashTimer_ = SetTimer(hwnd(), kSplashTimerId, kSplashMs, nullptr) != 0;
    if (splashTimer_) ShowWindow(hwnd(), SW_SHOW);
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & ~WS_EX_APPWINDOW);
    LoadSettings(store_, settings_, IsWindowsXp());
    VersionNumbers v;
    ParseVersion(GetVersionText().c_str(), v);
    setItemText(IDC_VERSION_LINE, versionLine(v).c_str());
    alertWnd_.CreateAlertWindow(hwnd());
    controller_.setAlertSink(&alertWnd_);
    controller_.handOverSound();
}

void CTrayDlg::runAbout() {
    controller_.popupsEnabled = false;
    CAboutDlg about;
    about.runModal(hwnd());
    controller_.popupsEnabled = true;
}

// The settings dialog works on copies; confirmed, the controller rebuilds
// what its change marks name, hands the sound switch to the alert window,
// and everything is saved. The tick timer keeps firing in the dialog's loop
// meanwhile, alerts included.
void CTrayDlg::runSettings() {
    if (settingsOpen_) return;
    settingsOpen_ = true;
    controller_.popupsEnabled = false;
    CSettingsDlg dlg(settings_.settings, settings_.rules);
    if (dlg.run(hwnd()) == IDOK) {
        controller_.applySettings(dlg.settings(), dlg.rules());
        SaveSettings(store_, settings_);
    }
    controller_.popupsEnabled = true;
    settingsOpen_ = false;
}

void CTrayDlg::ShowPopupMenu() {
    SetForegroundWindow(hwnd());
    Menu menu = loadMenuResource(IDR_POPUP_MENU);
    HMENU popup = menu ? GetSubMenu(menu.get(), 0) : nullptr;
    if (!popup) return;

    const DateTime shown = shownDay(clock_.now(), controller_.dayOffset);
    const TideDay day(settings_.port, shown);
    Menu highLow(CreatePopupMenu());
    std::vector<HighLowEntry> entries;
    for (int i = 0; i < 4; ++i) {
        const TideExtreme& e = day.extremes[i];
        entries.push_back({e.empty() ? kUnclassified : e.kind, e.hour, e.minute, e.level});
        AppendMenuW(highLow.get(), MF_STRING, ID_COPY_HIGH_LOW, widen(highLowLine(entries.back())).c_str());
    }
    hlText = highLowText(entries);
    // The graph and the calendar strip take positions 2 to 5 once they are
    // drawn; until then the high/low lines stand directly under About.
    InsertMenuW(popup, 2, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(highLow.get()),
                loadString(IDS_HIGH_LOW_TITLE).c_str());
    if (GetKeyState(VK_SHIFT) < 0) {
        InsertMenuW(popup, ID_APP_EXIT, MF_BYCOMMAND | MF_STRING, ID_ICON_REFRESH,
                    loadString(IDS_ICON_REFRESH).c_str());
        InsertMenuW(popup, ID_APP_EXIT, MF_BYCOMMAND | MF_STRING, ID_COPY_GRAPH, loadString(IDS_COPY_GRAPH).c_str());
        InsertMenuW(popup, ID_APP_EXIT, MF_BYCOMMAND | MF_SEPARATOR, 0, nullptr);
    }
    selectedPortName = day.portName;
    std::wstring title = widen(portChooserTitle(day.portName));
    // "設定変更" is the popup that holds the settings command.
    HMENU settingsMenu = nullptr;
    for (int i = 0; i < GetMenuItemCount(popup) && !settingsMenu; ++i) {
        HMENU sub = GetSubMenu(popup, i);
        if (sub && GetMenuState(sub, ID_SETTINGS, MF_BYCOMMAND) != static_cast<UINT>(-1)) settingsMenu = sub;
    }
    if (settingsMenu) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = title.data();
        SetMenuItemInfoW(settingsMenu, 0, TRUE, &info);
    }
    CheckMenuItem(popup, static_cast<UINT>(settings_.port.commandId()), MF_BYCOMMAND | MF_CHECKED);

    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RIGHTBUTTON, menuPoint.x, menuPoint.y, 0, hwnd(),
                   nullptr);
    PostMessageW(hwnd(), WM_NULL, 0, 0);
    RemoveMenu(popup, 2, MF_BYPOSITION);  // the high/low popup is destroyed by its owner
}

void CTrayDlg::onCommand(int id) {
    switch (id) {
        case ID_APP_EXIT: PostQuitMessage(0); return;
        case ID_APP_ABOUT: runAbout(); return;
        case ID_SETTINGS: runSettings(); return;
        case ID_GRAPH_WINDOW:  // the graph window joins here
        case ID_COPY_GRAPH:    // the graph painter joins here
            return;
        case ID_GRAPH_ITEM:
            controller_.toggleGraphSize();
            ShowPopupMenu();
            return;
        case ID_CALENDAR_STRIP: {
            POINT cursor;
            GetCursorPos(&cursor);
            if (controller_.calendarStrip(cursor.x - menuPoint.x, lastItemRect.right - lastItemRect.left))
                ShowPopupMenu();
            return;
        }
        case ID_ICON_REFRESH: controller_.refreshIcons(); return;
        case ID_COPY_HIGH_LOW:
            copyTextToClipboard(hwnd(), hlText);
            ShowPopupMenu();
            return;
        case IDOK:
        case IDCANCEL:
            // Enter or Escape on the splash must not end the program.
            return;
        default:
            if (controller_.selectPort(id)) ShowPopupMenu();
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
        controller_.readdAllIcons();
        return TRUE;
    }
    switch (msg) {
        case WM_INITDIALOG: onInitDialog(); return TRUE;
        case WM_TIMER:
            if (wp == kSplashTimerId) {
                ShowWindow(hwnd(), SW_HIDE);
                KillTimer(hwnd(), kSplashTimerId);
                controller_.finishSplash();
            } else if (wp == kTickTimerId) {
                controller_.tick();  // runs the alert scheduler too
            }
            return TRUE;
        case WM_TIMECHANGE: controller_.timeChanged(); return TRUE;
        case WM_POWERBROADCAST:
            if (wp != PBT_APMRESUMEAUTOMATIC && wp != PBT_APMRESUMESUSPEND) return std::nullopt;
            controller_.resumedFromSleep();
            return TRUE;
        case kTrayCallbackMessage: {
            const TrayClick click = controller_.trayMouse(static_cast<int>(wp), static_cast<int>(lp));
            if (click == TrayClick::OpenMenu) {
                GetCursorPos(&menuPoint);
                ShowPopupMenu();
            } else if (click == TrayClick::OpenDateTimeSettings) {
                shellOpen(hwnd(), "OPEN", "rundll32.exe", "shell32.dll,Control_RunDLL timedate.cpl");
            }
            return TRUE;
        }
        case WM_COMMAND: onCommand(LOWORD(wp)); return TRUE;
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
            VersionNumbers v;
            ParseVersion(GetVersionText().c_str(), v);
            setItemText(IDC_VERSION_LINE, versionLine(v).c_str());
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
                VersionNumbers v;
                ParseVersion(GetVersionText().c_str(), v);
                const std::string url = supportMailUrl(today.year, today.month, today.day, OsNames[DetectOs()], v);
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
