#pragma once
// The settings dialog "プロパティ": five pages on a tab control editing a
// copy of the settings and of the rule list. "設定" hands both back with
// the change marks; the close box or Escape discards every change.

#include <windows.h>

#include <array>

#include "app/settings.h"
#include "calendar/color_rules.h"
#include "platform/window.h"
#include "settings_ui/settings_pages.h"
#include "settings_ui/win/clock_page.h"
#include "settings_ui/win/date_color_page.h"
#include "settings_ui/win/option_pages.h"

namespace marilo {

// The page after `current` of `count` (before it when `back`), round the
// end; an index out of range counts as the first page.
int nextPageIndex(int current, int count, bool back);

class CSettingsDlg final : public Dialog {
public:
    CSettingsDlg(const AppSettings& settings, const RuleList& rules);

    // Runs the dialog modally; IDOK when it was confirmed.
    INT_PTR run(HWND owner);
    // After a confirmed run: the edited copy, the rules (RuleN of them) and
    // the change marks.
    const AppSettings& settings() const { return model_.settings(); }
    const ChangeMarks& marks() const { return model_.marks(); }
    const RuleList& rules() const { return model_.rules(); }

protected:
    std::optional<INT_PTR> handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void onInit();
    void showPage(int tab);
    void onConfirm();
    // Ctrl+Tab: the next page (the previous one with Shift).
    void turnPage(bool back);

    HHOOK pageFilter_ = nullptr;  // Ctrl+Tab, while the dialog is open
    SettingsModel model_;
    CDateColorPage datePage_{model_};
    CIconPage iconPage_{model_};
    CMenuPage menuPage_{model_};
    CClockPage clockPage_{model_};
    CGraphPage graphPage_{model_};
    // In tab order: 日付色, アイコン, メニュー, 時計, グラフ.
    std::array<SettingsPage*, 5> pages_{&datePage_, &iconPage_, &menuPage_, &clockPage_, &graphPage_};
};

}  // namespace marilo
