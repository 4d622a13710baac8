#include "render/month_window_dlg.h"

#include <commdlg.h>

#include <algorithm>
#include <string>

#include "platform/dpi.h"
#include "platform/text.h"
#include "render/accessible_names.h"
#include "render/scene_painter.h"

namespace marilo {

CMonthDlg::CMonthDlg(PortAddress port, const RuleList& rules, const DateTime& now, const DateTime& shown,
                     OpenDay openDay)
    : Dialog(kMonthWindowTemplate),
      port_(port),
      rules_(rules),
      now_(now),
      year_(shown.year),
      month_(shown.month),
      focus_{shown.year, shown.month, shown.day},
      openDay_(std::move(openDay)) {}

namespace {

std::wstring wideOf(const std::u16string& s) { return std::wstring(wideText(s)); }

}  // namespace

RECT CMonthDlg::focusRect() const {
    const SceneFill box = monthCellBox(picture_.month, focus_.day, dpi_);
    return {box.left, box.top, box.right, box.bottom};
}

void CMonthDlg::moveFocus(const MonthFocus& to) {
    if (to == focus_) return;
    const RECT before = focusRect();
    focus_ = to;
    if (to.year != year_ || to.month != month_) {
        year_ = to.year;
        month_ = to.month;
        show();
        notifyNameChange(hwnd(), CHILDID_SELF);
    } else {
        const RECT after = focusRect();
        InvalidateRect(hwnd(), &before, FALSE);
        InvalidateRect(hwnd(), &after, FALSE);
    }
    notifyFocus(hwnd(), focusedChild());
}

void CMonthDlg::openFocusedDay() {
    if (!openDay_) return;
    RECT r = focusRect();
    MapWindowPoints(hwnd(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    openDay_(hwnd(), DateTime(focus_.year, focus_.month, focus_.day), ScreenPoint{r.right, r.bottom});
}

std::wstring CMonthDlg::accessibleName() {
    return wideOf(monthWindowWords(year_, month_));
}

long CMonthDlg::childCount() { return picture_.month.dayCount; }

std::wstring CMonthDlg::childName(long child) {
    if (child < 1 || child > picture_.month.dayCount) return {};
    return wideOf(dayWords(picture_.month.days[child - 1], true));
}

RECT CMonthDlg::childRect(long child) {
    const SceneFill box = monthCellBox(picture_.month, static_cast<int>(child), dpi_);
    return {box.left, box.top, box.right, box.bottom};
}

long CMonthDlg::focusedChild() { return focus_.day; }

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
    // The keyboard's day: a dotted frame just inside its cell.
    RECT focus = focusRect();
    const int inset = std::max(2, dpi_ / 48);
    InflateRect(&focus, -inset, -inset);
    DrawFocusRect(dc, &focus);
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
        case kMonthCmdPrevious: moveFocus(focusInMonthStep(focus_, -1)); return true;
        case kMonthCmdNext: moveFocus(focusInMonthStep(focus_, 1)); return true;
        case kMonthCmdThis: moveFocus({now_.year, now_.month, now_.day}); return true;
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
        case WM_GETDLGCODE:
            // The arrows move the focus among the days rather than among controls.
            SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, DLGC_WANTARROWS);
            return TRUE;
        case WM_GETOBJECT:
            SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, accessible_.answer(hwnd(), wp, lp, *this));
            return TRUE;
        case WM_SETFOCUS: notifyFocus(hwnd(), focusedChild()); return std::nullopt;
        case WM_DESTROY: accessible_.detach(); return std::nullopt;
        case WM_LBUTTONDOWN:
            for (int day = 1; day <= picture_.month.dayCount; ++day) {
                const RECT r = childRect(day);
                const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
                if (PtInRect(&r, p)) moveFocus({year_, month_, day});
            }
            return TRUE;
        case WM_KEYDOWN:
            if (const int step = focusStepOfKey(static_cast<unsigned>(wp)); step != 0) {
                moveFocus(focusMovedBy(focus_, step));
                return TRUE;
            }
            switch (wp) {
                case VK_RETURN: openFocusedDay(); return TRUE;
                case VK_PRIOR: return onCommand(kMonthCmdPrevious) ? TRUE : FALSE;
                case VK_NEXT: return onCommand(kMonthCmdNext) ? TRUE : FALSE;
                case VK_HOME: return onCommand(kMonthCmdThis) ? TRUE : FALSE;
                case 'C':
                    if (GetKeyState(VK_CONTROL) < 0) return onCommand(kMonthCmdCopy) ? TRUE : FALSE;
                    return std::nullopt;
                default: return std::nullopt;
            }
        case WM_COMMAND:
            if (LOWORD(wp) == IDOK) {  // Enter, as the dialog manager hands it over
                openFocusedDay();
                return TRUE;
            }
            if (onCommand(LOWORD(wp))) return TRUE;
            return Dialog::handleMessage(msg, wp, lp);
        default: return Dialog::handleMessage(msg, wp, lp);
    }
}

}  // namespace marilo
