#include "settings_ui/win/settings_dlg.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "platform/text.h"
#include "res/settings_ids.h"

namespace marilo {

namespace {

constexpr int kMenuTab = 2;
// Where the pages sit inside the tab control, in pixels.
constexpr int kPageLeft = 10, kPageTop = 20;

}  // namespace

CSettingsDlg::CSettingsDlg(const AppSettings& settings, const RuleList& rules)
    : Dialog(IDD_SETTINGS), model_(settings, rules) {}

INT_PTR CSettingsDlg::run(HWND owner) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    return runModal(owner);
}

void CSettingsDlg::onInit() {
    HWND tab = GetDlgItem(hwnd(), IDC_SETTINGS_TAB);
    // Narrow margins keep the five labels clear of "設定" with wider fonts.
    SendMessageW(tab, TCM_SETPADDING, 0, MAKELPARAM(3, 3));
    const std::vector<std::u16string> labels = settingsTabLabels();
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
        std::wstring label(wideText(labels.at(static_cast<std::size_t>(i))));  // the item takes a writable string
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = label.data();
        SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    for (SettingsPage* page : pages_) {
        HWND w = page->createChild(tab);
        if (!w) continue;
        // Each page answers to its template's number, so tools can tell the
        // pages' controls apart (their numbers repeat across pages).
        SetWindowLongPtrW(w, GWLP_ID, page->templateId());
        // With visual styles the tab control's body is drawn with the
        // theme's texture; the page takes the same, or it shows as a grey
        // sheet on it. Without visual styles this changes nothing.
        EnableThemeDialogTexture(w, ETDT_ENABLETAB);
        SetWindowPos(w, HWND_TOP, kPageLeft, kPageTop, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        ShowWindow(w, SW_SHOW);
    }
    showPage(0);
}

void CSettingsDlg::showPage(int tab) {
    for (SettingsPage* page : pages_)
        if (page->hwnd()) ShowWindow(page->hwnd(), SW_HIDE);
    if (tab >= 0 && tab < static_cast<int>(pages_.size()) && pages_[tab]->hwnd())
        ShowWindow(pages_[tab]->hwnd(), SW_SHOW);
}

void CSettingsDlg::onConfirm() {
    for (SettingsPage* page : pages_)
        if (page->hwnd()) page->read();
    const std::optional<AxisRefusal> refused = model_.confirm();
    if (!refused) {
        end(IDOK);
        return;
    }
    MessageBoxW(hwnd(), wideText(shownText(refused->message)), L"Marilo", MB_OK | MB_ICONEXCLAMATION);
    SendDlgItemMessageW(hwnd(), IDC_SETTINGS_TAB, TCM_SETCURSEL, kMenuTab, 0);
    showPage(kMenuTab);
    menuPage_.focusField(refused->field);
}

std::optional<INT_PTR> CSettingsDlg::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG: onInit(); return TRUE;
        case WM_NOTIFY: {
            const auto* hdr = reinterpret_cast<const NMHDR*>(lp);
            if (hdr->idFrom != IDC_SETTINGS_TAB || hdr->code != TCN_SELCHANGE) return std::nullopt;
            showPage(static_cast<int>(SendMessageW(hdr->hwndFrom, TCM_GETCURSEL, 0, 0)));
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wp) == IDOK) {
                onConfirm();
                return TRUE;
            }
            break;
        default: break;
    }
    return Dialog::handleMessage(msg, wp, lp);  // Escape and the close box: cancelled
}

}  // namespace marilo
