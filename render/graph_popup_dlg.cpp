#include "render/graph_popup_dlg.h"

#include <commctrl.h>

#include <string>

#include "base/screen_scale.h"
#include "platform/system_theme.h"
#include "platform/text.h"
#include "render/tide_graph.h"

namespace marilo {

namespace {

constexpr UINT_PTR kToolId = 1;

TOOLINFOW toolFor(HWND owner, wchar_t* text) {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the control
    tool.hwnd = owner;
    tool.uId = kToolId;
    tool.lpszText = text;
    GetClientRect(owner, &tool.rect);
    return tool;
}

}  // namespace

CGraphPopupDlg::CGraphPopupDlg(const GraphDay& day, const GraphStyle& style, ScreenPoint anchor, ThemeSource& themes)
    : Dialog(kGraphPopupTemplate), day_(day), style_(style), anchor_(anchor), themes_(themes) {
    style_.theme = themes_.theme();
}

void CGraphPopupDlg::layOut(ScreenPoint anchor) {
    const GraphFrame frame = style_.frame();
    const ItemSize client = frame.windowClient();
    RECT r{0, 0, client.width, client.height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE)));
    const ItemSize outer{r.right - r.left, r.bottom - r.top};
    const ScreenPoint at = placeInside(graphWindowOrigin(anchor, outer), outer.width, outer.height,
                                       workAreaAt({anchor.x - 1, anchor.y - 1}));
    SetWindowPos(hwnd(), nullptr, at.x, at.y, outer.width, outer.height, SWP_NOZORDER | SWP_NOACTIVATE);
    useDarkTitleBar(hwnd(), paletteOf(style_.theme).dark);

    backing_ = DibSurface(frame.picture().width, frame.picture().height, 24);
    if (backing_) DrawTideGraph(backing_.dc(), 0, 0, day_, style_, false);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void CGraphPopupDlg::onInit() {
    layOut(anchor_);

    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                           moduleInstance(), nullptr);
    if (!tip_) return;
    SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, 200);
    SendMessageW(tip_, TTM_ACTIVATE, TRUE, 0);
    wchar_t empty[] = L"";
    TOOLINFOW tool = toolFor(hwnd(), empty);
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, 5000);
    SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_INITIAL, 0);
    SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_RESHOW, 0);
}

void CGraphPopupDlg::onMouseMove(WPARAM wp, LPARAM lp) {
    if (!tip_) return;
    const int x = LOWORD(lp), y = HIWORD(lp);
    const std::optional<std::u16string> text = tipText_.moved(day_.day, style_.frame(), x, y);
    if (!text) return;
    std::wstring wide(wideText(*text));  // the tool record takes a writable string
    TOOLINFOW tool = toolFor(hwnd(), wide.data());
    SendMessageW(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    MSG msg{hwnd(), WM_MOUSEMOVE, wp, lp, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&msg.pt);
    SendMessageW(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void CGraphPopupDlg::onPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    if (backing_) BitBlt(dc, 0, 0, backing_.width(), backing_.height(), backing_.dc(), 0, 0, SRCCOPY);
    EndPaint(hwnd(), &ps);
}

std::optional<INT_PTR> CGraphPopupDlg::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG: onInit(); return TRUE;
        case WM_DPICHANGED: {
            // Re-laid out at the new dpi, its bottom-right corner where the
            // suggested rectangle puts it.
            style_.dpi = screenDpiOrBase(HIWORD(wp));
            const RECT* suggested = reinterpret_cast<const RECT*>(lp);
            layOut({suggested->right, suggested->bottom});
            return TRUE;
        }
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            if (themeMayHaveChanged(msg, wp, lp)) {
                style_.theme = themes_.theme();
                RECT r;
                GetWindowRect(hwnd(), &r);
                layOut({r.right, r.bottom});
            }
            return std::nullopt;
        case WM_PAINT: onPaint(); return TRUE;
        case WM_SETCURSOR:
            if (LOWORD(lp) != HTCLIENT) return std::nullopt;
            SetCursor(LoadCursorW(nullptr, IDC_CROSS));
            SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_MOUSEMOVE: onMouseMove(wp, lp); return std::nullopt;
        case WM_DESTROY: tip_ = nullptr; return std::nullopt;  // gone with this window
        default: return Dialog::handleMessage(msg, wp, lp);
    }
}

}  // namespace marilo
