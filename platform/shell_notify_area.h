#pragma once
// The notification area of the Windows shell.

#include <windows.h>

#include "platform/notify_area.h"

namespace marilo {

class ShellNotifyArea final : public NotifyArea {
public:
    ShellNotifyArea(HWND owner, UINT callbackMessage) : owner_(owner), callback_(callbackMessage) {}
    void setOwner(HWND owner) { owner_ = owner; }
    void add(int id, IconRef icon, const std::string& tip) override;
    void modify(int id, IconRef icon, const std::string& tip) override;
    void remove(int id) override;

private:
    void send(DWORD action, int id, IconRef icon, const std::string& tip);
    HWND owner_;
    UINT callback_;
};

}  // namespace marilo
