#pragma once
// The date colour rule list of the settings dialog and the rule editor,
// without their windows: the list's operations with the selection each
// leaves, the editor's opening values, which of its lists a kind enables,
// and what confirming it makes of them.

#include <cstdint>
#include <optional>
#include <string>

#include "app/settings.h"
#include "calendar/color_rules.h"
#include "settings_ui/list_index.h"

namespace marilo {

// The 日付色 page: entry i of its list is rule i. Every operation that
// changes the working rules raises the dialog's IconsDirty.
class RuleListPage {
public:
    RuleListPage(RuleList& rules, ChangeMarks& marks) : rules_(rules), marks_(marks) {}

    const RuleList& rules() const { return rules_; }
    int32_t selection() const { return selection_; }
    // The list box's selection; anything outside the list is none (-1).
    void select(int32_t index) { selection_ = index >= 0 && index < rules_.count() ? index : -1; }
    // The rule "修正" opens the editor with, or none.
    const DateColorRule* selectedRule() const { return selection_ >= 0 ? &rules_[selection_] : nullptr; }

    // "追加" confirmed: the rule goes to the end and is selected.
    void add(const DateColorRule& rule);
    // "修正" confirmed: the selected rule is replaced and stays selected.
    void change(const DateColorRule& rule);
    // "削除": the selected rule goes; the one above it is selected, nothing
    // when it was the first.
    void remove();
    // The arrows: -1 up, +1 down (more while held). The selected rule
    // changes places with the one `step` away and stays selected; nothing
    // happens without a selection or when that place is outside the list.
    // True when it moved.
    bool move(int32_t step);

private:
    void changed();

    RuleList& rules_;
    ChangeMarks& marks_;
    int32_t selection_ = -1;
};

// The editor's controls as values: list indices (kNoSelection when a list
// shows nothing, which keeps the rule's own value) and the length's text.
struct RuleEditor {
    int32_t kind = kNoSelection;           // radio index = RuleKind
    int32_t weeklyWeekday = kNoSelection;  // 毎週's weekday list
    int32_t dayOfMonth = kNoSelection;     // "1".."31"
    int32_t weekNumber = kNoSelection;     // "第１".."第５"
    int32_t weekday = kNoSelection;        // 毎月（曜）'s weekday list, read for every kind but Weekly
    int32_t month = kNoSelection;          // "1月".."12月"
    int32_t day = kNoSelection;            // "1日".."31日"
    int32_t color = kNoSelection;          // 黒 赤 青 緑 水 黄 紅
    std::string length;                    // 指定期間's length in days
};

// The rule a new editor starts with: Weekly, Sunday, the 1st, week 1,
// 1 January, black.
DateColorRule newEditorRule();

// What the editor shows for a rule: both weekday lists the rule's weekday,
// the week number only for MonthlyByWeekday (else 第１), the length only for
// Period (else 1).
RuleEditor openRuleEditor(const DateColorRule& rule);

// The lists a kind uses; the colour list is always enabled.
struct RuleEditorEnabling {
    bool weeklyWeekday = false, dayOfMonth = false, weekNumber = false, weekday = false, month = false,
         day = false, length = false;
};
RuleEditorEnabling ruleEditorEnabling(int32_t kind);

// A period's length as stored: 0 is 1 day, a negative length its absolute
// value (the most negative 32-bit number gives the largest).
int32_t periodLength(int32_t typed);

// The prompt when a period's length is not a whole number.
extern const char* const kIntegerPrompt;  // cp932

// Confirming: every field written from the controls (fields the kind does
// not use too), the period's length folded by periodLength(). None when the
// kind is Period and its length is not a whole number: the editor then stays
// open with kIntegerPrompt and the focus on the length. `rule` is the rule
// the editor was opened with; a list with nothing selected keeps its field.
std::optional<DateColorRule> confirmRuleEditor(const RuleEditor& editor, const DateColorRule& rule);

}  // namespace marilo
