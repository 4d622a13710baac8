#include "platform/shell_notify_area.h"

#include <shellapi.h>

#include <cwchar>

#include "platform/text.h"

namespace marilo {

void ShellNotifyArea::send(DWORD action, int id, IconRef icon, const std::string& tip) {
    // The earliest record layout: icon, message and a 64-character tip, which
    // every shell understands.
    NOTIFYICONDATAW nid{};
    nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    nid.hWnd = owner_;
    nid.uID = static_cast<UINT>(id);
    if (action != NIM_DELETE) {
        nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        nid.uCallbackMessage = callback_;
        nid.hIcon = static_cast<HICON>(icon);
        const std::wstring text = widen(tip);
        wcsncpy(nid.szTip, text.c_str(), 63);
        nid.szTip[63] = L'\0';
    }
    Shell_NotifyIconW(action, &nid);
}

void ShellNotifyArea::add(int id, IconRef icon, const std::string& tip) { send(NIM_ADD, id, icon, tip); }
void ShellNotifyArea::modify(int id, IconRef icon, const std::string& tip) { send(NIM_MODIFY, id, icon, tip); }
void ShellNotifyArea::remove(int id) { send(NIM_DELETE, id, nullptr, {}); }

}  // namespace marilo
