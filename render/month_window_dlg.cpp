#include "render/month_window_dlg.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <string>

#include "app/day_sky_tip.h"
#include "base/screen_scale.h"
#include "platform/dpi.h"
#include "platform/system_theme.h"
#include "platform/text.h"
#include "render/month_print.h"
#include "render/accessible_names.h"
#include "render/scene_painter.h"
#include "res/resource.h"

namespace marilo {

CMonthDlg::CMonthDlg(PortAddress port, const RuleList& rules, const DateTime& now, const DateTime& shown,
                     ThemeSource& themes, OpenDay openDay)
    : Dialog(kMonthWindowTemplate),
      port_(port),
      rules_(rules),
      now_(now),
      year_(shown.year),
      month_(shown.month),
      themes_(themes),
      theme_(themes.theme()),
      focus_{shown.year, shown.month, shown.day},
      openDay_(std::move(openDay)) {}

namespace {

std::wstring wideOf(const std::u16string& s) { return std::wstring(wideText(s)); }

}  // namespace

// A day's cell in the client area: the picture is laid out at the fitted dpi
// and may be scrolled.
RECT CMonthDlg::cellRect(int day) const {
    const SceneFill box = monthCellBox(picture_.month, day, fit_.dpi);
    return {box.left - scroll_.x, box.top - scroll_.y, box.right - scroll_.x, box.bottom - scroll_.y};
}

RECT CMonthDlg::focusRect() const { return cellRect(focus_.day); }

// The day under a mouse message's point, or 0: the picture may be laid out
// smaller than the screen's dpi and scrolled.
int CMonthDlg::dayAt(LPARAM lp) const {
    return monthDayAt(picture_.month, fit_.dpi, static_cast<short>(LOWORD(lp)) + scroll_.x,
                      static_cast<short>(HIWORD(lp)) + scroll_.y);
}

// Scrolls the focused day into the client area where the picture scrolls.
void CMonthDlg::scrollToFocus() {
    const RECT r = focusRect();
    int x = scroll_.x, y = scroll_.y;
    if (r.left < 0) x += r.left;
    else if (r.right > fit_.client.width) x += r.right - fit_.client.width;
    if (r.top < 0) y += r.top;
    else if (r.bottom > fit_.client.height) y += r.bottom - fit_.client.height;
    if (x != scroll_.x || y != scroll_.y) scrollTo(x, y);
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
    scrollToFocus();
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

RECT CMonthDlg::childRect(long child) { return cellRect(static_cast<int>(child)); }

long CMonthDlg::focusedChild() { return focus_.day; }

void CMonthDlg::show() {
    tipDay_ = -1;  // the tip names a day of the new picture at the next move
    picture_ = monthPictureOf(tideMonth(port_, year_, month_), rules_, now_);
    picture_.theme = theme_;

    // What the frame, the title and the menu bar add to the client area, and
    // the room on this monitor.
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE));
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)) & ~(WS_HSCROLL | WS_VSCROLL);
    RECT chrome{0, 0, 0, 0};
    AdjustWindowRectEx(&chrome, style, TRUE, exStyle);
    const ScreenRect work = workAreaOfWindow(hwnd());
    fit_ = fitMonth(monthRows(picture_.month), dpi_, {work.right - work.left, work.bottom - work.top},
                    {chrome.right - chrome.left, chrome.bottom - chrome.top}, GetSystemMetrics(SM_CXVSCROLL));
    scene_ = monthScene(picture_, fit_.dpi);
    backing_ = DibSurface(scene_.width, scene_.height, 24);
    if (backing_) paintScene(backing_.dc(), scene_);

    if (fit_.scrollsX) style |= WS_HSCROLL;
    if (fit_.scrollsY) style |= WS_VSCROLL;
    SetWindowLongPtrW(hwnd(), GWL_STYLE, static_cast<LONG_PTR>(style));
    RECT r{0, 0, fit_.client.width, fit_.client.height};
    AdjustWindowRectEx(&r, style, TRUE, exStyle);
    const int width = r.right - r.left + (fit_.scrollsY ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    const int height = r.bottom - r.top + (fit_.scrollsX ? GetSystemMetrics(SM_CYHSCROLL) : 0);
    RECT now{};
    GetWindowRect(hwnd(), &now);
    // Opened in the middle of the work area; afterwards where it stands,
    // moved in where the new size would run out of the work area.
    const ScreenPoint wanted = placed_ ? ScreenPoint{now.left, now.top}
                                       : ScreenPoint{(work.left + work.right - width) / 2,
                                                     (work.top + work.bottom - height) / 2};
    const ScreenPoint at = placeInside(wanted, width, height, work);
    SetWindowPos(hwnd(), nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    placed_ = true;
    for (int bar : {SB_HORZ, SB_VERT}) {
        const bool scrolls = bar == SB_HORZ ? fit_.scrollsX : fit_.scrollsY;
        if (scrolls) {
            SCROLLINFO si{};
            si.cbSize = sizeof si;
            si.fMask = SIF_RANGE | SIF_PAGE;
            si.nMax = (bar == SB_HORZ ? scene_.width : scene_.height) - 1;
            si.nPage = static_cast<UINT>(bar == SB_HORZ ? fit_.client.width : fit_.client.height);
            SetScrollInfo(hwnd(), bar, &si, FALSE);
        }
        ShowScrollBar(hwnd(), bar, scrolls ? TRUE : FALSE);
    }
    scrollTo(scroll_.x, scroll_.y);
    SetWindowTextW(hwnd(), wideText(monthWindowTitle(picture_)));
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void CMonthDlg::onPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    if (backing_)
        BitBlt(dc, 0, 0, backing_.width() - scroll_.x, backing_.height() - scroll_.y, backing_.dc(), scroll_.x,
               scroll_.y, SRCCOPY);
    // The keyboard's day: a dotted frame just inside its cell.
    RECT focus = focusRect();
    const int inset = std::max(2, fit_.dpi / 48);
    InflateRect(&focus, -inset, -inset);
    DrawFocusRect(dc, &focus);
    EndPaint(hwnd(), &ps);
}

void CMonthDlg::scrollTo(int x, int y) {
    scroll_.x = fit_.scrollsX ? std::clamp(x, 0, std::max(0, scene_.width - fit_.client.width)) : 0;
    scroll_.y = fit_.scrollsY ? std::clamp(y, 0, std::max(0, scene_.height - fit_.client.height)) : 0;
    if (fit_.scrollsX) SetScrollPos(hwnd(), SB_HORZ, scroll_.x, TRUE);
    if (fit_.scrollsY) SetScrollPos(hwnd(), SB_VERT, scroll_.y, TRUE);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void CMonthDlg::onScroll(int bar, int request) {
    const bool across = bar == SB_HORZ;
    const int line = scaledLength(24, fit_.dpi), page = across ? fit_.client.width : fit_.client.height;
    int at = across ? scroll_.x : scroll_.y;
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_TRACKPOS;
    GetScrollInfo(hwnd(), bar, &si);
    switch (request) {
        case SB_LINEUP: at -= line; break;
        case SB_LINEDOWN: at += line; break;
        case SB_PAGEUP: at -= page; break;
        case SB_PAGEDOWN: at += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: at = si.nTrackPos; break;
        case SB_TOP: at = 0; break;
        case SB_BOTTOM: at = across ? scene_.width : scene_.height; break;
        default: return;
    }
    if (across) scrollTo(at, scroll_.y);
    else scrollTo(scroll_.x, at);
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

// The focused day's sun and moon beside its cell, as the pointer's tip
// shows them over a day.
void CMonthDlg::showFocusTip() {
    const RECT r = focusRect();
    POINT at{r.left, r.bottom};
    ClientToScreen(hwnd(), &at);
    tip_.showAt(at, std::wstring(wideText(daySkyTip(port_, focus_.year, focus_.month, focus_.day))));
}

void CMonthDlg::onMouseMove(WPARAM wp, LPARAM lp) {
    tip_.hideShown();  // the pointer's tip takes over from the keyboard's
    const int day = dayAt(lp);
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
    // Paper is white whatever the screen's theme.
    MonthPicture paper = picture_;
    paper.theme = Theme{};
    const Scene scene = monthPrintScene(paper, page);
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
        case kMonthCmdPrevious: moveFocus(focusInMonthStep(focus_, -1)); return true;
        case kMonthCmdNext: moveFocus(focusInMonthStep(focus_, 1)); return true;
        case kMonthCmdThis: moveFocus({now_.year, now_.month, now_.day}); return true;
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
            useDarkTitleBar(hwnd(), paletteOf(theme_).dark);
            show();
            tip_.create(hwnd(), 400, 30000);
            return TRUE;
        }
        case WM_DPICHANGED: {
            // Another monitor or another scale: the suggested rectangle, then
            // the picture laid out anew for the new dpi.
            dpi_ = screenDpiOrBase(HIWORD(wp));
            const RECT* suggested = reinterpret_cast<const RECT*>(lp);
            SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            show();
            return TRUE;
        }
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            if (themeMayHaveChanged(msg, wp, lp)) {
                theme_ = themes_.theme();
                useDarkTitleBar(hwnd(), paletteOf(theme_).dark);
                show();
            }
            return std::nullopt;
        case WM_VSCROLL: onScroll(SB_VERT, LOWORD(wp)); return TRUE;
        case WM_HSCROLL: onScroll(SB_HORZ, LOWORD(wp)); return TRUE;
        case WM_MOUSEWHEEL:
            scrollTo(scroll_.x, scroll_.y - GET_WHEEL_DELTA_WPARAM(wp) * scaledLength(48, fit_.dpi) / WHEEL_DELTA);
            return TRUE;
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
        case WM_MOUSEMOVE: onMouseMove(wp, lp); return std::nullopt;
        case WM_DESTROY:  // the tip goes with this window; a reader may still hold the object
            tip_.forget();
            accessible_.detach();
            return std::nullopt;
        case WM_LBUTTONDOWN:
            if (const int day = dayAt(lp); day > 0) moveFocus({year_, month_, day});
            return TRUE;
        case WM_KEYDOWN:
            if (const int step = focusStepOfKey(static_cast<unsigned>(wp)); step != 0) {
                moveFocus(focusMovedBy(focus_, step));
                showFocusTip();
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
                case 'P':
                    if (GetKeyState(VK_CONTROL) < 0) return onCommand(kMonthCmdPrint) ? TRUE : FALSE;
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
