#include "program/about_dlg.h"

#include <string>

#include "app/version_info.h"
#include "calendar/date_time.h"
#include "platform/win_util.h"
#include "res/resource.h"

namespace marilo {

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

}  // namespace marilo
