#include "settings_ui/rule_pages.h"

#include <climits>

#include "settings_ui/choice_lists.h"
#include "settings_ui/integer_text.h"

namespace marilo {

const char* const kIntegerPrompt = "整数を入力してください。";

void RuleListPage::changed() {
    marks_.IconsDirty = true;
}

void RuleListPage::add(const DateColorRule& rule) {
    rules_.append(rule);
    changed();
    selection_ = rules_.count() - 1;
}

void RuleListPage::change(const DateColorRule& rule) {
    if (selection_ < 0) return;
    rules_.replaceAt(selection_, rule);
    changed();
}

void RuleListPage::remove() {
    if (selection_ < 0) return;
    rules_.removeAt(selection_);
    changed();
    selection_ = selection_ > 0 ? selection_ - 1 : -1;
}

bool RuleListPage::move(int32_t step) {
    if (selection_ < 0) return false;
    const int64_t target = int64_t{selection_} + step;
    if (target < 0 || target >= rules_.count()) return false;
    rules_.swap(selection_, static_cast<int32_t>(target));
    changed();
    selection_ = static_cast<int32_t>(target);
    return true;
}

DateColorRule newEditorRule() { return makeRule(Weekly, 0, 1, 1, 1, 1, 0); }

RuleEditor openRuleEditor(const DateColorRule& rule) {
    RuleEditor e;
    e.kind = listIndexOf(rule.kind, Weekly, Period + 1);
    e.weeklyWeekday = listIndexOf(rule.weekday, 0, choiceCount(Choice::Weekday));
    e.weekday = e.weeklyWeekday;
    e.color = listIndexOf(rule.colorIndex, 0, choiceCount(Choice::RuleColor));
    e.dayOfMonth = listIndexOf(rule.dayOfMonth, 1, choiceCount(Choice::DayOfMonth));
    e.month = listIndexOf(rule.month, 1, choiceCount(Choice::Month));
    e.day = listIndexOf(rule.day, 1, choiceCount(Choice::Day));
    e.weekNumber = rule.kind == MonthlyByWeekday ? listIndexOf(rule.nthOrLength, 1, choiceCount(Choice::WeekNumber)) : 0;
    e.length = std::to_string(rule.kind == Period ? rule.nthOrLength : 1);
    return e;
}

RuleEditorEnabling ruleEditorEnabling(int32_t kind) {
    RuleEditorEnabling on;
    switch (kind) {
        case Weekly: on.weeklyWeekday = true; break;
        case MonthlyByDay: on.dayOfMonth = true; break;
        case MonthlyByWeekday: on.weekNumber = on.weekday = true; break;
        case FixedDate: on.month = on.day = true; break;
        case Period: on.month = on.day = on.length = true; break;
        default: break;  // Holiday: only the colour
    }
    return on;
}

int32_t periodLength(int32_t typed) {
    if (typed == 0) return 1;
    if (typed == INT32_MIN) return INT32_MAX;
    return typed < 0 ? -typed : typed;
}

std::optional<DateColorRule> confirmRuleEditor(const RuleEditor& e, const DateColorRule& rule) {
    DateColorRule r = rule;
    r.kind = listValueOr(e.kind, 0, rule.kind);
    std::optional<int32_t> length;
    if (r.kind == Period) {
        // Only a period reads its length; the field is disabled for the others.
        length = wholeNumber(e.length);
        if (!length) return std::nullopt;
    }
    r.colorIndex = listValueOr(e.color, 0, rule.colorIndex);
    r.weekday = listValueOr(r.kind == Weekly ? e.weeklyWeekday : e.weekday, 0, rule.weekday);
    r.dayOfMonth = listValueOr(e.dayOfMonth, 1, rule.dayOfMonth);
    r.month = listValueOr(e.month, 1, rule.month);
    r.day = listValueOr(e.day, 1, rule.day);
    r.nthOrLength = listValueOr(e.weekNumber, 1, rule.nthOrLength);
    if (length) r.nthOrLength = periodLength(*length);
    return r;
}

}  // namespace marilo
