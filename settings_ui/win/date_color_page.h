#pragma once
// The 日付色 page: the rule list in order, "追加", "修正", "削除" and the
// arrows that move the selected rule, each acting at once on the dialog's
// working rules.

#include "settings_ui/win/settings_page.h"

namespace marilo {

class CDateColorPage final : public SettingsPage {
public:
    explicit CDateColorPage(SettingsModel& model);

protected:
    std::optional<INT_PTR> handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // The list box from the rules' texts, with the page's selection.
    void refill();
    // The list box's selection into the model.
    void takeSelection();
    void add();
    void change();
    void remove();
    bool move(int step);
    HWND editorOwner() const { return GetAncestor(hwnd(), GA_ROOT); }
};

}  // namespace marilo
