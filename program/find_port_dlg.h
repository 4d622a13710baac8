#pragma once
// The port search (港を検索...): a text box and the ports it finds, filtered
// as the user types, each with the groups it is filed under. Enter, 選択 or
// a double click chooses the selected port (the first one found when none
// is selected), Esc or 閉じる closes. Modal.

#include <vector>

#include "engine/port_address.h"
#include "platform/window.h"

namespace marilo {

class CFindPortDlg final : public Dialog {
public:
    CFindPortDlg();
    // The chosen port's command ID, or 0 when closed without a choice.
    int run(HWND parent);

protected:
    std::optional<INT_PTR> handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void refill();  // the list for the text as it stands
    void choose();

    std::vector<PortAddress> found_;
};

}  // namespace marilo
