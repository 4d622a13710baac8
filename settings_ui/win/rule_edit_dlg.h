#pragma once
// The rule editor "表示ルール設定": one date colour rule, its kind chosen by
// radio and its values by lists, run modally. The caller reads the rule
// back only when it was confirmed.

#include "calendar/color_rules.h"
#include "platform/window.h"

namespace marilo {

class CRuleEditDlg final : public Dialog {
public:
    explicit CRuleEditDlg(const DateColorRule& rule);
    const DateColorRule& rule() const { return rule_; }

protected:
    std::optional<INT_PTR> handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void onInit();
    void showEnabling(int32_t kind);
    void onOk();

    DateColorRule rule_;
};

}  // namespace marilo
