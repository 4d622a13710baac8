#include "settings_ui/win/settings_dlg.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "platform/text.h"
#include "res/settings_ids.h"

namespace marilo {

namespace {

constexpr int kMenuTab = 2;
// Where the pages sit over the tab control, in pixels from its corner.
constexpr int kPageLeft = 10, kPageTop = 20;
// Asks the dialog holding the focus to turn its page: wParam nonzero for
// the previous one. Answered TRUE by the settings dialog, 0 by any other.
constexpr UINT kTurnPageMessage = WM_APP + 23;

// Ctrl+Tab and Ctrl+Shift+Tab (and Ctrl+PageDown/PageUp) turn the pages, as
// in the system's own tabbed dialogs. The dialog manager hands each message
// to this filter before it acts on the key itself.
LRESULT CALLBACK turnPageFilter(int code, WPARAM wp, LPARAM lp) {
    if (code == MSGF_DIALOGBOX) {
        const MSG* m = reinterpret_cast<const MSG*>(lp);
        const bool tab = m->wParam == VK_TAB, page = m->wParam == VK_NEXT || m->wParam == VK_PRIOR;
        if (m->message == WM_KEYDOWN && (tab || page) && GetKeyState(VK_CONTROL) < 0) {
            const bool back = tab ? GetKeyState(VK_SHIFT) < 0 : m->wParam == VK_PRIOR;
            HWND root = GetAncestor(m->hwnd, GA_ROOT);
            if (root && SendMessageW(root, kTurnPageMessage, back ? 1 : 0, 0) == TRUE) return TRUE;
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

int nextPageIndex(int current, int count, bool back) {
    if (count <= 0) return 0;
    const int at = current < 0 || current >= count ? 0 : current;
    return (at + (back ? count - 1 : 1)) % count;
}

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
    // The pages lie over the tab control as its siblings, above it: the tab
    // strip is then a stop of its own in the Tab order (a control that
    // holds other controls is passed through, never stopped on) and the
    // order runs tab strip, the page shown, 設定.
    RECT tabRect;
    GetWindowRect(tab, &tabRect);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&tabRect), 2);
    for (SettingsPage* page : pages_) {
        HWND w = page->createChild(hwnd());
        if (!w) continue;
        // Each page answers to its template's number, so tools can tell the
        // pages' controls apart (their numbers repeat across pages).
        SetWindowLongPtrW(w, GWLP_ID, page->templateId());
        // With visual styles the tab control's body is drawn with the
        // theme's texture; the page takes the same, or it shows as a grey
        // sheet on it. Without visual styles this changes nothing.
        EnableThemeDialogTexture(w, ETDT_ENABLETAB);
        SetWindowPos(w, HWND_TOP, tabRect.left + kPageLeft, tabRect.top + kPageTop, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        ShowWindow(w, SW_SHOW);
    }
    showPage(0);
    pageFilter_ = SetWindowsHookExW(WH_MSGFILTER, turnPageFilter, nullptr, GetCurrentThreadId());
}

void CSettingsDlg::turnPage(bool back) {
    HWND tab = GetDlgItem(hwnd(), IDC_SETTINGS_TAB);
    const int count = static_cast<int>(pages_.size());
    const int next = nextPageIndex(static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0)), count, back);
    SendMessageW(tab, TCM_SETCURSEL, static_cast<WPARAM>(next), 0);
    showPage(next);
    // The focus goes with the page when it was on the one left.
    HWND focus = GetFocus();
    bool onPage = false;
    for (SettingsPage* page : pages_)
        onPage = onPage || (page->hwnd() && focus && IsChild(page->hwnd(), focus));
    if (onPage) {
        HWND first = GetNextDlgTabItem(hwnd(), tab, FALSE);
        if (first) SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    }
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
        case kTurnPageMessage:
            turnPage(wp != 0);
            SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_DESTROY:
            if (pageFilter_) UnhookWindowsHookEx(pageFilter_);
            pageFilter_ = nullptr;
            return std::nullopt;
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
