#include "program/shell_notify_area.h"

#include <shellapi.h>

#include <cwchar>

#include "platform/text.h"

namespace marilo {

namespace {

NOTIFYICONDATAW recordFor(HWND owner, int id) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = owner;
    nid.uID = static_cast<UINT>(id);
    return nid;
}

template <size_t N>
void copyText(wchar_t (&to)[N], const std::u16string& text) {
    wcsncpy(to, wideText(text), N - 1);
    to[N - 1] = L'\0';
}

}  // namespace

bool ShellNotifyArea::send(DWORD action, int id, HICON icon, const std::u16string& tip) {
    NOTIFYICONDATAW nid = recordFor(owner_, id);
    if (action != NIM_DELETE) {
        // Version 4 shows the tooltip only when asked to (NIF_SHOWTIP).
        nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
        nid.uCallbackMessage = callback_;
        nid.hIcon = icon;
        copyText(nid.szTip, tip);
    }
    if (!Shell_NotifyIconW(action, &nid)) return false;
    if (action == NIM_ADD) {
        nid.uVersion = NOTIFYICON_VERSION_4;
        version4_ = Shell_NotifyIconW(NIM_SETVERSION, &nid) != FALSE;
    }
    return true;
}

bool ShellNotifyArea::add(int id, const OwnedIcon& icon, const std::u16string& tip) {
    return send(NIM_ADD, id, static_cast<HICON>(icon.get()), tip);
}
void ShellNotifyArea::modify(int id, const OwnedIcon& icon, const std::u16string& tip) {
    send(NIM_MODIFY, id, static_cast<HICON>(icon.get()), tip);
}
void ShellNotifyArea::remove(int id) { send(NIM_DELETE, id, nullptr, {}); }

void ShellNotifyArea::focus(int id) {
    NOTIFYICONDATAW nid = recordFor(owner_, id);
    Shell_NotifyIconW(NIM_SETFOCUS, &nid);
}

bool ShellNotifyArea::notify(int id, const std::u16string& title, const std::u16string& text) {
    NOTIFYICONDATAW nid = recordFor(owner_, id);
    nid.uFlags = NIF_INFO | NIF_SHOWTIP;
    nid.dwInfoFlags = NIIF_INFO | NIIF_RESPECT_QUIET_TIME;
    copyText(nid.szInfoTitle, title);
    copyText(nid.szInfo, text);
    return Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

}  // namespace marilo
