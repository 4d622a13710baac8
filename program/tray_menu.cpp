// The tray window's popup menu, its owner-drawn items, and the windows its
// commands open.
#include "program/tray_dlg.h"

#include <windowsx.h>

#include <utility>

#include "app/menu_model.h"
#include "app/start_at_sign_in.h"
#include "platform/dpi.h"
#include "platform/text.h"
#include "program/about_dlg.h"
#include "program/find_port_dlg.h"
#include "program/menu_builder.h"
#include "render/accessible_names.h"
#include "render/graph_popup_dlg.h"
#include "render/menu_items.h"
#include "render/month_window_dlg.h"
#include "render/tide_graph.h"
#include "res/resource.h"
#include "settings_ui/win/settings_dlg.h"

namespace marilo {

namespace {

// The position of the item of command `id` in a menu, or -1.
int positionOfMenuItem(HMENU menu, UINT id) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        if (GetMenuItemID(menu, i) == id) return i;
    return -1;
}

// Where an item of an open popup menu stands on the screen.
std::optional<ScreenRect> screenRectOfMenuItem(HMENU menu, UINT id) {
    const int at = positionOfMenuItem(menu, id);
    RECT r;
    if (at < 0 || !GetMenuItemRect(nullptr, menu, static_cast<UINT>(at), &r)) return std::nullopt;
    return ScreenRect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

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

void CTrayDlg::ShowPopupMenu(std::optional<int> keyIcon, int selectId) {
    SetForegroundWindow(hwnd());
    // The key as it is now, not as the thread's last message saw it: a Shift
    // pressed while another window had the focus counts too.
    TrayMenu& tray = controller_.menu();
    const PopupMenuModel model = tray.popupMenu(GetAsyncKeyState(VK_SHIFT) < 0, startsAtSignIn(startup_, exePath_));
    // What screen readers read for the pictures: the day with its waters,
    // the strip with the days its buttons lead to. Kept while the menu is.
    MenuItemNames names;
    names.set(ID_GRAPH_ITEM, std::wstring(wideText(dayWords(monthDayOf(tray.graphDay().day), false))));
    names.set(ID_CALENDAR_STRIP, std::wstring(wideText(stripWords(tray.portNow(), tray.dayOffset()))));
    const Menu menu = menuFromModel(model.items, &names);  // owns every popup in it
    if (!menu) return;
    const ScreenPoint at = tray.menuPoint();
    menuDpi_ = dpiAtPoint({at.x, at.y});
    // Done at WM_ENTERIDLE.
    selectDowns_ = selectId != 0 ? downPressesTo(model.items, selectId) : keyIcon ? 1 : 0;
    menuKeyIcon_ = keyIcon;
    stripKey_.reset();
    menuOpen_ = true;
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(), nullptr);
    menuOpen_ = false;
    selectDowns_ = 0;
    PostMessageW(hwnd(), WM_NULL, 0, 0);
    if (keyIcon) shell_.focus(*keyIcon);  // the keyboard back on the icon
}

// The month of the shown day at the selected port.
void CTrayDlg::ShowMonthWindow() {
    const DateTime shown = controller_.menu().graphDay().day.date;
    // Enter on a day: the graph from that day over the stored number of
    // days, its corner at the day's cell.
    const auto openDay = [this](HWND owner, const DateTime& day, ScreenPoint anchor) {
        const DateTime today = controller_.menu().portNow();
        const int32_t offset = static_cast<int32_t>(daysFromCivil(day.year, day.month, day.day) -
                                                    daysFromCivil(today.year, today.month, today.day));
        CGraphPopupDlg popup(graphDayOf(settings_, today, offset),
                             controller_.graphStyle(dpiAtPoint({anchor.x, anchor.y})), anchor, themes_);
        runGraphWindow(popup, [this, today, offset](int n) { return graphDaysOf(settings_, today, offset, n); }, owner);
    };
    CMonthDlg window(settings_.port, settings_.rules, clock_.now(), shown, themes_, openDay);
    window.runModal(hwnd());
}

void CTrayDlg::ShowGraphPopup() {
    TrayMenu& menu = controller_.menu();
    menu.setMenuPoint(messagePoint());
    const ScreenPoint at = menu.menuPoint();
    CGraphPopupDlg popup(menu.graphDay(), controller_.graphStyle(dpiAtPoint({at.x, at.y})), at, themes_);
    runGraphWindow(popup, [&menu](int n) { return menu.graphDays(n); }, hwnd());
}

void CTrayDlg::runGraphWindow(CGraphPopupDlg& popup, std::function<std::vector<GraphDay>(int)> daysFrom, HWND owner) {
    const int32_t days = settings_.settings.GraphDays;
    popup.allowDays({std::move(daysFrom), settings_.port, &settings_.settings.GraphDays});
    popup.runModal(owner);
    if (settings_.settings.GraphDays != days) SaveValue(store_, settings_, "GraphDays");  // kept at once
}

void CTrayDlg::runFindPort() {
    controller_.setPopupsEnabled(false);
    CFindPortDlg find;
    const int chosen = find.run(hwnd());
    controller_.setPopupsEnabled(true);
    if (chosen != 0) onCommand(chosen);  // as the port's item in the chooser
}

bool CTrayDlg::onMeasureItem(MEASUREITEMSTRUCT& item) {
    return item.CtlType == ODT_MENU && measureOwnerDrawnItem(item, controller_.graphStyle(menuDpi_).frame());
}

bool CTrayDlg::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || item.CtlID != 0) return false;
    if (item.itemID == ID_GRAPH_ITEM) {
        TrayMenu& menu = controller_.menu();
        GraphStyle style = controller_.graphStyle(menuDpi_);
        style.theme = theme_;
        const ItemRect drawn = drawGraphItem(item, menu.graphDay(), style);
        const std::optional<ScreenRect> onScreen =
            screenRectOfMenuItem(reinterpret_cast<HMENU>(item.hwndItem), ID_GRAPH_ITEM);
        menu.graphItemDrawn(drawn, onScreen ? std::optional<int32_t>(onScreen->left) : std::nullopt);
        return true;
    }
    if (item.itemID == ID_CALENDAR_STRIP) {
        drawCalendarStrip(item, StripFrame{menuDpi_}, paletteOf(theme_));
        controller_.menu().stripDrawn(screenRectOfMenuItem(reinterpret_cast<HMENU>(item.hwndItem), ID_CALENDAR_STRIP));
        return true;
    }
    return false;
}

// The strip's keys: the menu runs the strip's command, which then presses
// the button the key named. Other characters and other menus are left to
// the menu (a beep).
std::optional<INT_PTR> CTrayDlg::onMenuChar(WPARAM wp, LPARAM lp) {
    const int button = stripButtonForKey(LOWORD(wp));
    const int at = button < 0 ? -1 : positionOfMenuItem(reinterpret_cast<HMENU>(lp), ID_CALENDAR_STRIP);
    if (at < 0) return std::nullopt;
    stripKey_ = button;
    SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, MAKELRESULT(at, MNC_EXECUTE));
    return TRUE;
}

// A key, a click on a button, or Enter (today); a menu reopened from the
// keyboard keeps the strip selected for the next key.
void CTrayDlg::onStripCommand() {
    const std::optional<int> key = std::exchange(stripKey_, std::nullopt);
    switch (controller_.menu().stripCommand(key, messagePoint(), menuDpi_)) {
        case TrayMenu::StripPress::Nothing: return;
        case TrayMenu::StripPress::Mouse: ShowPopupMenu(); return;
        case TrayMenu::StripPress::Keyboard: ShowPopupMenu(menuKeyIcon_, ID_CALENDAR_STRIP); return;
    }
}

// The commands of the popup menu and of the windows it opens.
// Where the mouse was when the message being handled was posted: for a menu
// command, the click that chose the item, however late it is read.
ScreenPoint CTrayDlg::messagePoint() {
    const DWORD at = GetMessagePos();
    return {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
}

void CTrayDlg::onCommand(int id) {
    switch (id) {
        case ID_APP_EXIT: PostQuitMessage(0); return;
        case ID_APP_ABOUT: runAbout(); return;
        case ID_SETTINGS: runSettings(); return;
        case ID_GRAPH_WINDOW: ShowGraphPopup(); return;
        case ID_MONTH_WINDOW: ShowMonthWindow(); return;
        case ID_FIND_PORT: runFindPort(); return;
        case ID_START_AT_SIGN_IN: setStartAtSignIn(startup_, exePath_, !startsAtSignIn(startup_, exePath_)); return;
        case ID_COPY_GRAPH: copyGraphToClipboard(hwnd(), controller_.menu().graphDay(), controller_.graphStyle()); return;
        case ID_GRAPH_ITEM:
            controller_.toggleGraphSize();
            ShowPopupMenu();
            return;
        case ID_CALENDAR_STRIP: onStripCommand(); return;
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

}  // namespace marilo
