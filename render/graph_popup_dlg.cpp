#include "render/graph_popup_dlg.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "base/screen_scale.h"
#include "platform/dpi.h"
#include "platform/system_theme.h"
#include "platform/text.h"
#include "render/graph_span.h"
#include "render/scene_painter.h"
#include "render/accessible_names.h"
#include "render/tide_graph.h"
#include "res/resource.h"

namespace marilo {

namespace {

constexpr UINT_PTR kToolId = 1;
// System menu commands for 1..4 days (the low four bits of a system
// command are the system's).
constexpr UINT kDaysCommandFirst = kGraphDaysCommandFirst;
constexpr UINT kDaysCommandStep = kGraphDaysCommandStep;
constexpr UINT_PTR kReadoutToolId = 2;  // the keyboard's, placed where the readout stands

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
    : Dialog(kGraphPopupTemplate),
      day_(day),
      style_(style),
      anchor_(anchor),
      themes_(themes),
      readoutMinute_(readoutStartMinute(day.showsNow, day.nowHour, day.nowMinute)) {
    style_.theme = themes_.theme();
}

int CGraphPopupDlg::shownDays() const {
    return span_.chosenDays && span_.daysFrom ? GraphSpanFrame::heldDays(*span_.chosenDays) : 1;
}

void CGraphPopupDlg::relayOutInPlace() {
    RECT r;
    GetWindowRect(hwnd(), &r);
    layOut({r.right, r.bottom});
}

void CGraphPopupDlg::layOut(ScreenPoint anchor) {
    const int days = shownDays();
    const GraphSpanFrame frame{style_.frame(), days};
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
    days_ = days > 1 ? span_.daysFrom(days) : std::vector<GraphDay>{day_};
    if (days_.empty()) days_ = {day_};
    if (days_.size() > 1) {
        if (backing_)
            paintScene(backing_.dc(), tideSpanScene(days_, graphSkyOf(frame, span_.port, days_[0].day.date), style_));
    } else if (backing_) {
        DrawTideGraph(backing_.dc(), 0, 0, day_, style_, false);
    }
    // Fewer days: the readout stays within them.
    readoutMinute_ = std::min(readoutMinute_, static_cast<int>(days_.size()) * 1440);
    if (HMENU menu = GetSystemMenu(hwnd(), FALSE))
        CheckMenuRadioItem(menu, kDaysCommandFirst, kDaysCommandFirst + 3 * kDaysCommandStep,
                           kDaysCommandFirst + static_cast<UINT>(days - 1) * kDaysCommandStep, MF_BYCOMMAND);
    if (tip_) {
        wchar_t empty[] = L"";
        TOOLINFOW tool = toolFor(hwnd(), empty);
        SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void CGraphPopupDlg::addDayChoices() {
    HMENU menu = GetSystemMenu(hwnd(), FALSE);
    if (!menu) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    const wchar_t* names[] = {L"1 日分(&1)", L"2 日分(&2)", L"3 日分(&3)", L"4 日分(&4)"};
    for (UINT k = 0; k < 4; ++k) AppendMenuW(menu, MF_STRING, kDaysCommandFirst + k * kDaysCommandStep, names[k]);
}

void CGraphPopupDlg::onInit() {
    if (span_.chosenDays && span_.daysFrom) addDayChoices();
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

GraphSpanFrame CGraphPopupDlg::shownFrame() const {
    return {style_.frame(), std::max(1, static_cast<int>(days_.size()))};
}

int CGraphPopupDlg::readoutColumn() const { return columnOfMinute(readoutMinute_, shownFrame()); }

std::wstring CGraphPopupDlg::accessibleName() {
    return std::wstring(wideText(graphWindowWords(monthDayOf(day_.day))));
}

std::wstring CGraphPopupDlg::childName(long child) {
    if (child != 1 || days_.empty()) return {};
    const ShownMinute at = shownMinuteOf(readoutMinute_, static_cast<int>(days_.size()));
    const TideDay& day = days_[static_cast<size_t>(at.day)].day;
    const double level = day.levelAtTime(at.minute / 60, at.minute % 60);
    return std::wstring(wideText(days_.size() > 1 ? readoutWords(day.date, at.minute, level)
                                                  : readoutWords(at.minute, level)));
}

RECT CGraphPopupDlg::childRect(long) {
    const GraphFrame frame = style_.frame();
    const int x = readoutColumn();
    return {x - frame.px(2), frame.plotTop(), x + frame.px(3), frame.plotBottom()};
}

bool CGraphPopupDlg::onKey(WPARAM key) {
    if (key != VK_LEFT && key != VK_RIGHT) return false;
    const RECT before = childRect(1);
    if (readoutShown_)
        readoutMinute_ = readoutMinuteAfterKey(readoutMinute_, key == VK_RIGHT, GetKeyState(VK_SHIFT) < 0,
                                               static_cast<int>(days_.size()));
    else if (tip_) {
        // The readout's own tip, placed by hand at the line (an empty
        // rectangle: never the tool under the pointer).
        wchar_t empty[] = L"";
        TOOLINFOW readout = toolFor(hwnd(), empty);
        readout.uId = kReadoutToolId;
        readout.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        readout.rect = RECT{};
        SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&readout));
    }
    readoutShown_ = true;
    const RECT after = childRect(1);
    InvalidateRect(hwnd(), &before, FALSE);
    InvalidateRect(hwnd(), &after, FALSE);
    if (tip_) {
        std::wstring text(wideText(shownReadoutText(days_, readoutMinute_)));
        TOOLINFOW tool = toolFor(hwnd(), text.data());
        tool.uId = kReadoutToolId;
        tool.rect = RECT{};
        SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        POINT at{readoutColumn() + style_.frame().px(4), style_.frame().plotTop()};
        ClientToScreen(hwnd(), &at);
        SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
        SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    }
    notifyNameChange(hwnd(), 1);
    notifyFocus(hwnd(), 1);
    return true;
}

void CGraphPopupDlg::onMouseMove(WPARAM wp, LPARAM lp) {
    if (!tip_) return;
    const int x = LOWORD(lp), y = HIWORD(lp);
    const std::optional<std::u16string> text = tipText_.moved(days_, shownFrame(), x, y);
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
    if (readoutShown_) {  // the readout's line, inverted so it shows on every colour
        const GraphFrame frame = style_.frame();
        PatBlt(dc, readoutColumn(), frame.plotTop(), 1, frame.plotHeight(), DSTINVERT);
    }
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
                relayOutInPlace();
            }
            return std::nullopt;
        case WM_PAINT: onPaint(); return TRUE;
        case WM_SETCURSOR:
            if (LOWORD(lp) != HTCLIENT) return std::nullopt;
            SetCursor(LoadCursorW(nullptr, IDC_CROSS));
            SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_MOUSEMOVE: onMouseMove(wp, lp); return std::nullopt;
        case WM_SYSCOMMAND: {
            const UINT cmd = static_cast<UINT>(wp) & 0xFFF0;
            if (!span_.chosenDays || cmd < kDaysCommandFirst || cmd > kDaysCommandFirst + 3 * kDaysCommandStep)
                return std::nullopt;
            *span_.chosenDays = static_cast<int32_t>((cmd - kDaysCommandFirst) / kDaysCommandStep + 1);
            relayOutInPlace();
            return TRUE;
        }
        case WM_GETDLGCODE:
            SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, DLGC_WANTARROWS);
            return TRUE;
        case WM_KEYDOWN:
            if (span_.chosenDays && span_.daysFrom && ((wp >= '1' && wp <= '4') || (wp >= VK_NUMPAD1 && wp <= VK_NUMPAD4))) {
                *span_.chosenDays = static_cast<int32_t>(wp >= VK_NUMPAD1 ? wp - VK_NUMPAD1 + 1 : wp - '0');
                relayOutInPlace();
                return TRUE;
            }
            if (!onKey(wp)) return std::nullopt;
            return TRUE;
        case WM_GETOBJECT:
            SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, accessible_.answer(hwnd(), wp, lp, *this));
            return TRUE;
        case WM_DESTROY:
            accessible_.detach();
            tip_ = nullptr;  // gone with this window
            return std::nullopt;
        default: return Dialog::handleMessage(msg, wp, lp);
    }
}

}  // namespace marilo
