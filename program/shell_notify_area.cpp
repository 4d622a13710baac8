#include "program/shell_notify_area.h"

#include <shellapi.h>

#include <cwchar>

#include "platform/text.h"

namespace marilo {

bool ShellNotifyArea::send(DWORD action, int id, HICON icon, const std::u16string& tip) {
    // The earliest record layout: icon, message and a 64-character tip, which
    // every shell understands.
    NOTIFYICONDATAW nid{};
    nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    nid.hWnd = owner_;
    nid.uID = static_cast<UINT>(id);
    if (action != NIM_DELETE) {
        nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        nid.uCallbackMessage = callback_;
        nid.hIcon = icon;
        wcsncpy(nid.szTip, wideText(tip), 63);
        nid.szTip[63] = L'\0';
    }
    return Shell_NotifyIconW(action, &nid) != FALSE;
}

bool ShellNotifyArea::add(int id, const OwnedIcon& icon, const std::u16string& tip) {
    return send(NIM_ADD, id, static_cast<HICON>(icon.get()), tip);
}
void ShellNotifyArea::modify(int id, const OwnedIcon& icon, const std::u16string& tip) {
    send(NIM_MODIFY, id, static_cast<HICON>(icon.get()), tip);
}
void ShellNotifyArea::remove(int id) { send(NIM_DELETE, id, nullptr, {}); }

}  // namespace marilo
