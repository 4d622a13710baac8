#pragma once
// The notification area of the Windows shell.

#include <windows.h>

#include "app/interfaces.h"

namespace marilo {

class ShellNotifyArea final : public NotifyArea {
public:
    ShellNotifyArea(HWND owner, UINT callbackMessage) : owner_(owner), callback_(callbackMessage) {}
    void setOwner(HWND owner) { owner_ = owner; }
    bool add(int id, const OwnedIcon& icon, const std::u16string& tip) override;
    void modify(int id, const OwnedIcon& icon, const std::u16string& tip) override;
    void remove(int id) override;

private:
    bool send(DWORD action, int id, HICON icon, const std::u16string& tip);
    HWND owner_;
    UINT callback_;
};

}  // namespace marilo
