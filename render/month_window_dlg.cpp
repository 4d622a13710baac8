#include "render/month_window_dlg.h"

#include <commdlg.h>

#include <algorithm>
#include <string>

#include "platform/dpi.h"
#include "platform/text.h"
#include "render/scene_painter.h"

namespace marilo {

CMonthDlg::CMonthDlg(PortAddress port, const RuleList& rules, const DateTime& now, const DateTime& shown)
    : Dialog(kMonthWindowTemplate), port_(port), rules_(rules), now_(now), year_(shown.year), month_(shown.month) {}

void CMonthDlg::show() {
    picture_ = monthPictureOf(tideMonth(port_, year_, month_), rules_, now_);
    scene_ = monthScene(picture_, dpi_);
    backing_ = DibSurface(scene_.width, scene_.height, 24);
    if (backing_) paintScene(backing_.dc(), scene_);

    // The client area the picture's size, the window where it stands.
    RECT r{0, 0, scene_.width, scene_.height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE)));
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (!placed_) {
        // Opened in the middle of the work area, its top-left corner inside it.
        RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        const int left = work.left + std::max(0L, (work.right - work.left - width) / 2);
        const int top = work.top + std::max(0L, (work.bottom - work.top - height) / 2);
        SetWindowPos(hwnd(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        placed_ = true;
    } else {
        SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetWindowTextW(hwnd(), wideText(monthWindowTitle(picture_)));
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void CMonthDlg::onPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    if (backing_) BitBlt(dc, 0, 0, backing_.width(), backing_.height(), backing_.dc(), 0, 0, SRCCOPY);
    EndPaint(hwnd(), &ps);
}

void CMonthDlg::save() {
    wchar_t file[MAX_PATH] = {};
    const std::u16string suggested = monthFileName(picture_);
    wideText(std::u16string_view(suggested)).copy(file, MAX_PATH - 1);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hwnd();
    ofn.lpstrFilter = L"PNG (*.png)\0*.png\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = L"png";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&ofn)) return;  // cancelled
    const std::string error = writeScenePng(file, scene_);
    if (!error.empty())
        MessageBoxW(hwnd(), (L"保存できませんでした: " + std::wstring(file) + L"\n" + widen(error)).c_str(), L"Marilo",
                    MB_OK | MB_ICONWARNING);
}

bool CMonthDlg::onCommand(int id) {
    switch (id) {
        case kMonthCmdPrevious: stepMonth(year_, month_, -1); show(); return true;
        case kMonthCmdNext: stepMonth(year_, month_, 1); show(); return true;
        case kMonthCmdThis:
            year_ = now_.year;
            month_ = now_.month;
            show();
            return true;
        case kMonthCmdCopy: copySceneToClipboard(hwnd(), scene_); return true;
        case kMonthCmdSave: save(); return true;
        default: return false;
    }
}

std::optional<INT_PTR> CMonthDlg::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG: {
            dpi_ = dpiOfWindow(hwnd());
            show();
            return TRUE;
        }
        case WM_PAINT: onPaint(); return TRUE;
        case WM_ERASEBKGND: return TRUE;  // the picture covers the client area
        case WM_KEYDOWN:
            switch (wp) {
                case VK_PRIOR: return onCommand(kMonthCmdPrevious) ? TRUE : FALSE;
                case VK_NEXT: return onCommand(kMonthCmdNext) ? TRUE : FALSE;
                case VK_HOME: return onCommand(kMonthCmdThis) ? TRUE : FALSE;
                case 'C':
                    if (GetKeyState(VK_CONTROL) < 0) return onCommand(kMonthCmdCopy) ? TRUE : FALSE;
                    return std::nullopt;
                default: return std::nullopt;
            }
        case WM_COMMAND:
            if (onCommand(LOWORD(wp))) return TRUE;
            return Dialog::handleMessage(msg, wp, lp);
        default: return Dialog::handleMessage(msg, wp, lp);
    }
}

}  // namespace marilo
