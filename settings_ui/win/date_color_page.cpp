#include "settings_ui/win/date_color_page.h"

#include <commctrl.h>

#include "platform/text.h"
#include "res/settings_ids.h"
#include "settings_ui/settings_pages.h"
#include "settings_ui/win/rule_edit_dlg.h"

namespace marilo {

CDateColorPage::CDateColorPage(SettingsModel& model) : SettingsPage(IDD_DATE_COLOR_PAGE, model) {}

void CDateColorPage::refill() {
    HWND list = GetDlgItem(hwnd(), IDC_RULE_LIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::u16string& line : ruleLines(model_.rules()))
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideText(line)));
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(model_.ruleList.selection()), 0);
}

void CDateColorPage::takeSelection() {
    const LRESULT i = SendDlgItemMessageW(hwnd(), IDC_RULE_LIST, LB_GETCURSEL, 0, 0);
    model_.ruleList.select(i == LB_ERR ? -1 : static_cast<int32_t>(i));
}

void CDateColorPage::add() {
    CRuleEditDlg editor(newEditorRule());
    if (editor.runModal(editorOwner()) != IDOK) return;
    model_.ruleList.add(editor.rule());
    refill();
}

void CDateColorPage::change() {
    takeSelection();
    const DateColorRule* selected = model_.ruleList.selectedRule();
    if (!selected) return;
    CRuleEditDlg editor(*selected);
    if (editor.runModal(editorOwner()) == IDOK) model_.ruleList.change(editor.rule());
    refill();
}

void CDateColorPage::remove() {
    takeSelection();
    if (!model_.ruleList.selectedRule()) return;
    model_.ruleList.remove();
    refill();
}

bool CDateColorPage::move(int step) {
    takeSelection();
    if (!model_.ruleList.move(step)) return false;
    refill();
    return true;
}

std::optional<INT_PTR> CDateColorPage::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG:
            // The arrows have no buddy; a wide range keeps their position
            // from ever reaching an end, the upper arrow stepping by -1.
            SendDlgItemMessageW(hwnd(), IDC_RULE_MOVE, UDM_SETRANGE32, 1000000, -1000000);
            SendDlgItemMessageW(hwnd(), IDC_RULE_MOVE, UDM_SETPOS32, 0, 0);
            refill();
            return FALSE;
        case WM_COMMAND:
            if (HIWORD(wp) != BN_CLICKED) return std::nullopt;
            switch (LOWORD(wp)) {
                case IDC_RULE_ADD: add(); return TRUE;
                case IDC_RULE_CHANGE: change(); return TRUE;
                case IDC_RULE_DELETE: remove(); return TRUE;
                default: return std::nullopt;
            }
        case WM_NOTIFY: {
            const auto* hdr = reinterpret_cast<const NMHDR*>(lp);
            if (hdr->idFrom != IDC_RULE_MOVE || hdr->code != UDN_DELTAPOS) return std::nullopt;
            move(reinterpret_cast<const NMUPDOWN*>(lp)->iDelta);
            SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, 0);  // the step is taken
            return TRUE;
        }
        default: return std::nullopt;
    }
}

}  // namespace marilo
