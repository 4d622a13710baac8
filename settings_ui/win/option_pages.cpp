#include "settings_ui/win/option_pages.h"

#include <array>

#include "platform/text.h"
#include "res/settings_ids.h"
#include "settings_ui/win/controls.h"

namespace marilo {

namespace {

// The radios in the order of their indices.
constexpr std::array<int, 10> kModeRadios = {IDC_ICON_APP,   IDC_ICON_DAY,   IDC_ICON_MONTH_DAY, IDC_ICON_DAY_WEEKDAY,
                                             IDC_ICON_TWO,   IDC_ICON_THREE, IDC_ICON_FOUR,      IDC_ICON_WEEK,
                                             IDC_ICON_CLOCK_ONLY, IDC_ICON_MOON};
constexpr std::array<int, 3> kPopRadios = {IDC_MENU_RIGHT, IDC_MENU_LEFT, IDC_MENU_BOTH};
constexpr std::array<int, 7> kAlertControls = {IDC_ALERT_STP, IDC_ALERT_UP3, IDC_ALERT_UP7,  IDC_ALERT_DN3,
                                               IDC_ALERT_DN7, IDC_ALERT_LEAD, IDC_ALERT_SOUND};

// The グラフ page's controls and the values they show, for showing and for
// reading alike.
struct ListBinding {
    int id;
    Choice choice;
    int32_t AppSettings::*value;  // the list index, from 0
};
constexpr ListBinding kGraphLists[] = {
    {IDC_GRAPH_SIZE, Choice::GraphSize, &AppSettings::GraphSizeSet},
    {IDC_GRAPH_SHOW, Choice::GraphShow, &AppSettings::GraphShowMode},
    {IDC_ALERT_LEAD, Choice::LeadTime, &AppSettings::PreTime},
};
struct CheckBinding {
    int id;
    int32_t AppSettings::*value;  // 0 or 1
};
constexpr CheckBinding kGraphChecks[] = {
    {IDC_ALERT_ON, &AppSettings::Alert}, {IDC_ALERT_SOUND, &AppSettings::Snd}, {IDC_ALERT_STP, &AppSettings::STP},
    {IDC_ALERT_UP3, &AppSettings::UP3},  {IDC_ALERT_UP7, &AppSettings::UP7},   {IDC_ALERT_DN3, &AppSettings::DN3},
    {IDC_ALERT_DN7, &AppSettings::DN7},
};

int fieldId(AxisField field) { return field == AxisField::Tick ? IDC_MENU_TICK : IDC_MENU_TOP; }

// An editable list shows the number as stored, with its entry selected when
// the list has one.
void showNumber(HWND dlg, int id, const std::string& text) {
    const std::u16string shown = shownText(text);
    const LRESULT i = SendDlgItemMessageW(dlg, id, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(wideText(shown)));
    if (i != CB_ERR) SendDlgItemMessageW(dlg, id, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
    else setControlText(dlg, id, shown);
}

}  // namespace

CIconPage::CIconPage(SettingsModel& model) : SettingsPage(IDD_ICON_PAGE, model) {}

void CIconPage::read() {
    IconPage& p = model_.icon;
    p.mode = checkedRadio(hwnd(), kModeRadios);
    p.clock = isChecked(hwnd(), IDC_ICON_SHOW_CLOCK);
    p.reverse = isChecked(hwnd(), IDC_ICON_REVERSE);
}

void CIconPage::showEnabling() {
    const IconPage& p = model_.icon;
    setChecked(hwnd(), IDC_ICON_SHOW_CLOCK, p.clock);
    enableItem(hwnd(), IDC_ICON_SHOW_CLOCK, p.clockEnabled);
    enableItem(hwnd(), IDC_ICON_REVERSE, p.reverseEnabled);
}

std::optional<INT_PTR> CIconPage::handleMessage(UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG:
            checkRadio(hwnd(), kModeRadios, model_.icon.mode);
            setChecked(hwnd(), IDC_ICON_REVERSE, model_.icon.reverse);
            showEnabling();
            return FALSE;
        case WM_COMMAND: {
            if (HIWORD(wp) != BN_CLICKED) return std::nullopt;
            read();
            const int32_t index = radioIndexOf(kModeRadios, LOWORD(wp));
            if (index >= 0) model_.icon.modeClicked(index);
            else model_.icon.checkClicked();
            showEnabling();
            return TRUE;
        }
        default: return std::nullopt;
    }
}

CMenuPage::CMenuPage(SettingsModel& model) : SettingsPage(IDD_MENU_PAGE, model) {}

void CMenuPage::read() {
    MenuPage& p = model_.menu;
    p.todayOnOpen = isChecked(hwnd(), IDC_MENU_TODAY);
    p.mousePop = checkedRadio(hwnd(), kPopRadios);
    p.top = controlText(hwnd(), IDC_MENU_TOP);
    p.bottom = controlText(hwnd(), IDC_MENU_BOTTOM);
    p.tick = controlText(hwnd(), IDC_MENU_TICK);
}

void CMenuPage::focusField(AxisField field) { focusItem(hwnd(), fieldId(field)); }

std::optional<INT_PTR> CMenuPage::handleMessage(UINT msg, WPARAM, LPARAM) {
    if (msg != WM_INITDIALOG) return std::nullopt;
    const MenuPage& p = model_.menu;
    fillList(hwnd(), IDC_MENU_TOP, Choice::AxisTop);
    fillList(hwnd(), IDC_MENU_BOTTOM, Choice::AxisBottom);
    fillList(hwnd(), IDC_MENU_TICK, Choice::AxisTick);
    setChecked(hwnd(), IDC_MENU_TODAY, p.todayOnOpen);
    checkRadio(hwnd(), kPopRadios, p.mousePop);
    showNumber(hwnd(), IDC_MENU_TOP, p.top);
    showNumber(hwnd(), IDC_MENU_BOTTOM, p.bottom);
    showNumber(hwnd(), IDC_MENU_TICK, p.tick);
    return FALSE;
}

CGraphPage::CGraphPage(SettingsModel& model) : SettingsPage(IDD_GRAPH_PAGE, model) {}

void CGraphPage::read() {
    AppSettings& v = model_.values;
    for (const ListBinding& b : kGraphLists) v.*b.value = listValueOr(listSelection(hwnd(), b.id), 0, v.*b.value);
    for (const CheckBinding& b : kGraphChecks) v.*b.value = isChecked(hwnd(), b.id) ? 1 : 0;
}

void CGraphPage::showEnabling() {
    for (int id : kAlertControls) enableItem(hwnd(), id, model_.alertControlsEnabled());
}

std::optional<INT_PTR> CGraphPage::handleMessage(UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG: {
            const AppSettings& v = model_.values;
            for (const ListBinding& b : kGraphLists) {
                fillList(hwnd(), b.id, b.choice);
                selectListEntry(hwnd(), b.id, listIndexOf(v.*b.value, 0, choiceCount(b.choice)));
            }
            for (const CheckBinding& b : kGraphChecks) setChecked(hwnd(), b.id, v.*b.value != 0);
            showEnabling();
            return FALSE;
        }
        case WM_COMMAND:
            if (LOWORD(wp) != IDC_ALERT_ON || HIWORD(wp) != BN_CLICKED) return std::nullopt;
            read();
            showEnabling();
            return TRUE;
        default: return std::nullopt;
    }
}

}  // namespace marilo
