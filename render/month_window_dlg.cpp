#include "render/month_window_dlg.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <string>

#include "app/day_sky_tip.h"
#include "platform/dpi.h"
#include "platform/text.h"
#include "render/month_print.h"
#include "render/scene_painter.h"
#include "res/resource.h"

namespace marilo {

CMonthDlg::CMonthDlg(PortAddress port, const RuleList& rules, const DateTime& now, const DateTime& shown)
    : Dialog(kMonthWindowTemplate), port_(port), rules_(rules), now_(now), year_(shown.year), month_(shown.month) {}

void CMonthDlg::show() {
    tipDay_ = -1;  // the tip names a day of the new picture at the next move
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

namespace {

// The printer's default settings on A4 portrait, for the print dialog to
// start from; the user's choice there stands. Null without a printer.
HGLOBAL a4DevMode() {
    PRINTDLGW probe{};
    probe.lStructSize = sizeof probe;
    probe.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgW(&probe)) return nullptr;
    if (probe.hDevNames) GlobalFree(probe.hDevNames);
    if (!probe.hDevMode) return nullptr;
    if (auto* mode = static_cast<DEVMODEW*>(GlobalLock(probe.hDevMode))) {
        mode->dmPaperSize = DMPAPER_A4;
        mode->dmOrientation = DMORIENT_PORTRAIT;
        mode->dmFields |= DM_PAPERSIZE | DM_ORIENTATION;
        GlobalUnlock(probe.hDevMode);
    }
    return probe.hDevMode;
}

}  // namespace

void CMonthDlg::onMouseMove(WPARAM wp, LPARAM lp) {
    const int day = monthDayAt(picture_.month, dpi_, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
    if (day != tipDay_) {
        tipDay_ = day;
        const std::u16string text = day > 0 ? daySkyTip(port_, year_, month_, day) : std::u16string();
        tip_.setText(std::wstring(wideText(text)));
    }
    tip_.relay(wp, lp);
}

void CMonthDlg::print() {
    PRINTDLGW pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = hwnd();
    pd.hDevMode = a4DevMode();
    pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    pd.nCopies = 1;
    const BOOL chosen = PrintDlgW(&pd);
    const DWORD why = chosen ? 0 : CommDlgExtendedError();
    if (pd.hDevMode) GlobalFree(pd.hDevMode);
    if (pd.hDevNames) GlobalFree(pd.hDevNames);
    if (!chosen) {
        if (why != 0)  // 0: cancelled
            MessageBoxW(hwnd(),
                        why == PDERR_NODEFAULTPRN ? L"印刷できませんでした: プリンターがありません。"
                                                  : L"印刷できませんでした: 印刷ダイアログを開けません。",
                        L"Marilo", MB_OK | MB_ICONWARNING);
        return;
    }
    HDC dc = pd.hDC;
    PrintPage page;
    page.width = GetDeviceCaps(dc, PHYSICALWIDTH);
    page.height = GetDeviceCaps(dc, PHYSICALHEIGHT);
    page.printLeft = GetDeviceCaps(dc, PHYSICALOFFSETX);
    page.printTop = GetDeviceCaps(dc, PHYSICALOFFSETY);
    page.printRight = page.printLeft + GetDeviceCaps(dc, HORZRES);
    page.printBottom = page.printTop + GetDeviceCaps(dc, VERTRES);
    page.dpi = GetDeviceCaps(dc, LOGPIXELSX);
    if (page.width <= 0 || page.height <= 0) {  // a device that reports no paper: its printable area is the page
        page.width = page.printRight = GetDeviceCaps(dc, HORZRES);
        page.height = page.printBottom = GetDeviceCaps(dc, VERTRES);
        page.printLeft = page.printTop = 0;
    }
    const Scene scene = monthPrintScene(picture_, page);
    // The device's origin is the printable area's corner.
    SetViewportOrgEx(dc, -page.printLeft, -page.printTop, nullptr);
    const std::wstring name(wideText(monthWindowTitle(picture_)));
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = name.c_str();
    bool ok = StartDocW(dc, &doc) > 0;
    if (ok) {
        ok = StartPage(dc) > 0;
        if (ok) paintScene(dc, scene);
        ok = ok && EndPage(dc) > 0;
        if (ok) EndDoc(dc);
        else AbortDoc(dc);
    }
    DeleteDC(dc);
    if (!ok) MessageBoxW(hwnd(), L"印刷できませんでした。", L"Marilo", MB_OK | MB_ICONWARNING);
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
        case kMonthCmdPrint: print(); return true;
        default: return false;
    }
}

std::optional<INT_PTR> CMonthDlg::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG: {
            dpi_ = dpiOfWindow(hwnd());
            show();
            tip_.create(hwnd(), 400, 30000);
            return TRUE;
        }
        case WM_PAINT: onPaint(); return TRUE;
        case WM_ERASEBKGND: return TRUE;  // the picture covers the client area
        case WM_MOUSEMOVE: onMouseMove(wp, lp); return std::nullopt;
        case WM_DESTROY: tip_.forget(); return std::nullopt;  // gone with this window
        case WM_KEYDOWN:
            switch (wp) {
                case VK_PRIOR: return onCommand(kMonthCmdPrevious) ? TRUE : FALSE;
                case VK_NEXT: return onCommand(kMonthCmdNext) ? TRUE : FALSE;
                case VK_HOME: return onCommand(kMonthCmdThis) ? TRUE : FALSE;
                case 'C':
                    if (GetKeyState(VK_CONTROL) < 0) return onCommand(kMonthCmdCopy) ? TRUE : FALSE;
                    return std::nullopt;
                case 'P':
                    if (GetKeyState(VK_CONTROL) < 0) return onCommand(kMonthCmdPrint) ? TRUE : FALSE;
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
