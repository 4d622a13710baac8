#pragma once
// The About box (template 100): the version line and the support address,
// which opens a mail to it with the date, the system and the version.

#include <windows.h>

#include "platform/window.h"

namespace marilo {

class CAboutDlg final : public Dialog {
public:
    CAboutDlg();

protected:
    std::optional<INT_PTR> handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace marilo
