#include "program/find_port_dlg.h"

#include <string>

#include "app/port_search.h"
#include "platform/cp932.h"
#include "platform/text.h"
#include "res/resource.h"

namespace marilo {

CFindPortDlg::CFindPortDlg() : Dialog(kFindPortTemplate) {}

int CFindPortDlg::run(HWND parent) {
    const INT_PTR result = runModal(parent);
    return result > 0 ? static_cast<int>(result) : 0;
}

void CFindPortDlg::refill() {
    HWND text = GetDlgItem(hwnd(), kFindPortText), list = GetDlgItem(hwnd(), kFindPortList);
    std::wstring typed(static_cast<size_t>(GetWindowTextLengthW(text)) + 1, L'\0');
    typed.resize(static_cast<size_t>(GetWindowTextW(text, typed.data(), static_cast<int>(typed.size()))));
    found_ = findPorts(std::u16string(typed.begin(), typed.end()));
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const PortAddress& p : found_) {
        const std::u16string line = cp932ToUtf16(p.record().name) + u'\t' + portGroupText(p);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideText(line)));
    }
    if (!found_.empty()) SendMessageW(list, LB_SETCURSEL, 0, 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    EnableWindow(GetDlgItem(hwnd(), IDOK), !found_.empty());
}

void CFindPortDlg::choose() {
    const LRESULT k = SendDlgItemMessageW(hwnd(), kFindPortList, LB_GETCURSEL, 0, 0);
    if (found_.empty()) return;
    const size_t at = k == LB_ERR || static_cast<size_t>(k) >= found_.size() ? 0 : static_cast<size_t>(k);
    end(found_[at].commandId());
}

std::optional<INT_PTR> CFindPortDlg::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG: {
            INT stop = 110;  // dialog units: the names, then the groups
            SendDlgItemMessageW(hwnd(), kFindPortList, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&stop));
            SendDlgItemMessageW(hwnd(), kFindPortText, EM_LIMITTEXT, 40, 0);
            refill();
            SetFocus(GetDlgItem(hwnd(), kFindPortText));
            return FALSE;  // the focus is set
        }
        case WM_COMMAND:
            switch (LOWORD(wp)) {
                case kFindPortText:
                    if (HIWORD(wp) == EN_CHANGE) refill();
                    return TRUE;
                case kFindPortList:
                    if (HIWORD(wp) == LBN_DBLCLK) choose();
                    return TRUE;
                case IDOK: choose(); return TRUE;
                case IDCANCEL: end(0); return TRUE;
                default: return std::nullopt;
            }
        default: return Dialog::handleMessage(msg, wp, lp);
    }
}

}  // namespace marilo
