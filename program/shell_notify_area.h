#pragma once
// The notification area of the Windows shell, in its current message format
// (version 4) where the shell takes it: the callback then carries the event
// and the icon in lParam and the icon's anchor in wParam, and the keyboard's
// select and context menu arrive as events of their own.

#include <windows.h>

#include <string>

#include "app/interfaces.h"

namespace marilo {

class ShellNotifyArea final : public NotifyArea {
public:
    ShellNotifyArea(HWND owner, UINT callbackMessage) : owner_(owner), callback_(callbackMessage) {}
    void setOwner(HWND owner) { owner_ = owner; }
    bool add(int id, const OwnedIcon& icon, const std::u16string& tip) override;
    void modify(int id, const OwnedIcon& icon, const std::u16string& tip) override;
    void remove(int id) override;

    // Whether the shell took version 4 for the icons last added: the format
    // its callbacks come in.
    bool version4() const { return version4_; }
    // The keyboard focus back to an icon, after a menu opened from it.
    void focus(int id);
    // A notification from an icon (a balloon on older systems) that waits
    // while the user does not want to be disturbed.
    bool notify(int id, const std::u16string& title, const std::u16string& text);

private:
    bool send(DWORD action, int id, HICON icon, const std::u16string& tip);
    HWND owner_;
    UINT callback_;
    bool version4_ = false;
};

}  // namespace marilo
