#include "platform/pointer_tip.h"

#include <commctrl.h>

#include "platform/window.h"

namespace marilo {

namespace {

constexpr UINT_PTR kToolId = 1;
constexpr UINT_PTR kKeyboardToolId = 2;  // placed by hand, never under the pointer

TOOLINFOW toolOver(HWND owner, const wchar_t* text) {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the control
    tool.hwnd = owner;
    tool.uId = kToolId;
    tool.lpszText = const_cast<wchar_t*>(text);
    GetClientRect(owner, &tool.rect);
    return tool;
}

}  // namespace

void PointerTip::create(HWND owner, int maxWidth, int showMilliseconds) {
    owner_ = owner;
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                           moduleInstance(), nullptr);
    if (!tip_) return;
    SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, maxWidth);
    SendMessageW(tip_, TTM_ACTIVATE, TRUE, 0);
    TOOLINFOW tool = toolOver(owner_, text_.c_str());
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, showMilliseconds);
    SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_INITIAL, 0);
    SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_RESHOW, 0);
}

void PointerTip::setText(std::wstring text) {
    if (!tip_) return;
    text_ = std::move(text);
    TOOLINFOW tool = toolOver(owner_, text_.c_str());
    SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void PointerTip::relay(WPARAM wp, LPARAM lp) {
    if (!tip_) return;
    MSG msg{owner_, WM_MOUSEMOVE, wp, lp, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&msg.pt);
    SendMessageW(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void PointerTip::showAt(POINT at, std::wstring text) {
    if (!tip_) return;
    shownText_ = std::move(text);
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = owner_;
    tool.uId = kKeyboardToolId;
    tool.lpszText = shownText_.data();
    if (!shownTool_) {
        tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        shownTool_ = SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
        if (!shownTool_) return;
    } else {
        SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    shown_ = true;
}

void PointerTip::hideShown() {
    if (!tip_ || !shown_) return;
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = owner_;
    tool.uId = kKeyboardToolId;
    SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    shown_ = false;
}

}  // namespace marilo
