#include "settings_ui/win/rule_edit_dlg.h"

#include <array>

#include "platform/text.h"
#include "res/settings_ids.h"
#include "settings_ui/rule_pages.h"
#include "settings_ui/settings_pages.h"
#include "settings_ui/win/controls.h"

namespace marilo {

namespace {

// The kind radios in RuleKind order.
constexpr std::array<int, 6> kKindRadios = {IDC_KIND_WEEKLY,  IDC_KIND_MONTHLY_DAY, IDC_KIND_MONTHLY_WEEKDAY,
                                            IDC_KIND_HOLIDAY, IDC_KIND_FIXED_DATE,  IDC_KIND_PERIOD};

struct List {
    int id;
    Choice entries;
    int32_t RuleEditor::*index;
};
constexpr List kLists[] = {
    {IDC_RULE_WEEKLY_WEEKDAY, Choice::Weekday, &RuleEditor::weeklyWeekday},
    {IDC_RULE_DAY_OF_MONTH, Choice::DayOfMonth, &RuleEditor::dayOfMonth},
    {IDC_RULE_WEEK_NUMBER, Choice::WeekNumber, &RuleEditor::weekNumber},
    {IDC_RULE_WEEKDAY, Choice::Weekday, &RuleEditor::weekday},
    {IDC_RULE_MONTH, Choice::Month, &RuleEditor::month},
    {IDC_RULE_DAY, Choice::Day, &RuleEditor::day},
    {IDC_RULE_COLOR, Choice::RuleColor, &RuleEditor::color},
};

}  // namespace

CRuleEditDlg::CRuleEditDlg(const DateColorRule& rule) : Dialog(IDD_RULE_EDIT), rule_(rule) {}

void CRuleEditDlg::onInit() {
    const RuleEditor e = openRuleEditor(rule_);
    for (const List& l : kLists) {
        fillList(hwnd(), l.id, l.entries);
        selectListEntry(hwnd(), l.id, e.*l.index);
    }
    checkRadio(hwnd(), kKindRadios, e.kind);
    setControlText(hwnd(), IDC_RULE_LENGTH, shownText(e.length));
    showEnabling(e.kind);
}

void CRuleEditDlg::showEnabling(int32_t kind) {
    const RuleEditorEnabling on = ruleEditorEnabling(kind);
    enableItem(hwnd(), IDC_RULE_WEEKLY_WEEKDAY, on.weeklyWeekday);
    enableItem(hwnd(), IDC_RULE_DAY_OF_MONTH, on.dayOfMonth);
    enableItem(hwnd(), IDC_RULE_WEEK_NUMBER, on.weekNumber);
    enableItem(hwnd(), IDC_RULE_WEEKDAY, on.weekday);
    enableItem(hwnd(), IDC_RULE_MONTH, on.month);
    enableItem(hwnd(), IDC_RULE_DAY, on.day);
    enableItem(hwnd(), IDC_RULE_LENGTH, on.length);
}

void CRuleEditDlg::onOk() {
    RuleEditor e;
    e.kind = checkedRadio(hwnd(), kKindRadios);
    for (const List& l : kLists) e.*l.index = listSelection(hwnd(), l.id);
    e.length = controlText(hwnd(), IDC_RULE_LENGTH);
    const std::optional<DateColorRule> r = confirmRuleEditor(e, rule_);
    if (!r) {
        MessageBoxW(hwnd(), wideText(shownText(kIntegerPrompt)), L"Marilo", MB_OK | MB_ICONEXCLAMATION);
        focusItem(hwnd(), IDC_RULE_LENGTH);
        return;
    }
    rule_ = *r;
    end(IDOK);
}

std::optional<INT_PTR> CRuleEditDlg::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG: onInit(); return TRUE;
        case WM_COMMAND: {
            const int id = LOWORD(wp);
            if (id == IDOK) {
                onOk();
                return TRUE;
            }
            const int32_t kind = radioIndexOf(kKindRadios, id);
            if (kind >= 0 && HIWORD(wp) == BN_CLICKED) {
                showEnabling(kind);
                return TRUE;
            }
            break;
        }
        default: break;
    }
    return Dialog::handleMessage(msg, wp, lp);  // Escape, the close box and ｷｬﾝｾﾙ end it unconfirmed
}

}  // namespace marilo
