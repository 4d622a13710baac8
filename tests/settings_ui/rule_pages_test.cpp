// The rule list page and the rule editor without windows.
#include "settings_ui/rule_pages.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "settings_ui/choice_lists.h"
#include "settings_ui/integer_text.h"

namespace marilo {
namespace {

std::vector<std::string> textsOf(const RuleList& l) {
    std::vector<std::string> out;
    for (const DateColorRule& r : l) out.push_back(r.text);
    return out;
}

// Rules 1..n, each a day of the month in its own colour, texts composed.
RuleList numbered(int n) {
    RuleList l;
    for (int i = 1; i <= n; ++i) l.append(makeRule(MonthlyByDay, 0, i, 1, 1, 1, i % kRuleColorCount));
    l.clearChanged();
    return l;
}

struct ListBench {
    RuleList rules;
    ChangeMarks marks;
    RuleListPage page{rules, marks};
    explicit ListBench(int n) : rules(numbered(n)) {}
};

TEST(RuleListPage, WithoutASelectionNothingHappens) {
    ListBench b(3);
    b.page.select(-1);
    EXPECT_EQ(b.page.selectedRule(), nullptr);
    b.page.change(makeRule(Holiday, 0, 1, 1, 1, 1, 1));
    b.page.remove();
    EXPECT_FALSE(b.page.move(1));
    EXPECT_EQ(b.rules.count(), 3);
    EXPECT_FALSE(b.marks.IconsDirty);
    b.page.select(3);  // past the end: none
    EXPECT_EQ(b.page.selection(), -1);
}

TEST(RuleListPage, DeletingSelectsTheRuleAboveAndRenumbers) {
    ListBench b(5);
    b.page.select(2);
    b.page.remove();
    EXPECT_EQ(b.page.selection(), 1);
    EXPECT_EQ(textsOf(b.rules), (std::vector<std::string>{"1:毎月,1日,赤", "2:毎月,2日,青", "3:毎月,4日,水",
                                                          "4:毎月,5日,黄"}));
    EXPECT_TRUE(b.marks.IconsDirty);
    EXPECT_EQ(b.rules.count(), 4);

    ListBench one(1);
    one.page.select(0);
    one.page.remove();
    EXPECT_EQ(one.rules.count(), 0);
    EXPECT_EQ(one.page.selection(), -1);
    one.page.add(newEditorRule());
    EXPECT_EQ(textsOf(one.rules), std::vector<std::string>{"1:毎週,日曜日,黒"});
    EXPECT_EQ(one.page.selection(), 0);
    EXPECT_EQ(one.rules.count(), 1);
}

TEST(RuleListPage, MovingSwapsNumbersAndKeepsTheMovedRuleSelected) {
    ListBench b(3);
    b.page.select(0);
    EXPECT_FALSE(b.page.move(-1));  // the first cannot go up
    b.page.select(2);
    EXPECT_FALSE(b.page.move(1));  // the last cannot go down
    EXPECT_FALSE(b.page.move(-3));  // a held arrow's larger step past the top
    EXPECT_FALSE(b.marks.IconsDirty);
    b.page.select(1);
    EXPECT_TRUE(b.page.move(-1));
    EXPECT_EQ(b.page.selection(), 0);
    EXPECT_EQ(textsOf(b.rules), (std::vector<std::string>{"1:毎月,2日,青", "2:毎月,1日,赤", "3:毎月,3日,緑"}));
    EXPECT_TRUE(b.page.move(2));
    EXPECT_EQ(b.page.selection(), 2);
    EXPECT_EQ(b.rules[2].dayOfMonth, 2);
    EXPECT_TRUE(b.marks.IconsDirty);
}

TEST(RuleListPage, TwelveRulesEditTheRuleTheyShow) {
    ListBench b(12);
    EXPECT_EQ(textsOf(b.rules).back(), "12:毎月,12日,黄");
    b.page.select(10);
    ASSERT_EQ(b.page.selectedRule()->dayOfMonth, 11);
    b.page.change(makeRule(FixedDate, 0, 1, 1, 12, 24, 6));
    EXPECT_EQ(std::string(b.rules[10].text), "11:指定日,12月24日,紅");
    EXPECT_EQ(b.page.selection(), 10);
    b.page.add(makeRule(Holiday, 0, 1, 1, 1, 1, 1));
    EXPECT_EQ(b.page.selection(), 12);
    EXPECT_EQ(std::string(b.rules[12].text), "13:祝祭日,赤");
}

TEST(RuleEditor, OpensWithTheRulesValues) {
    const RuleEditor fresh = openRuleEditor(newEditorRule());
    EXPECT_EQ(fresh.kind, 0);
    EXPECT_EQ(fresh.weeklyWeekday, 0);
    EXPECT_EQ(fresh.dayOfMonth, 0);
    EXPECT_EQ(fresh.weekNumber, 0);
    EXPECT_EQ(fresh.month, 0);
    EXPECT_EQ(fresh.day, 0);
    EXPECT_EQ(fresh.color, 0);
    EXPECT_EQ(fresh.length, "1");

    const RuleEditor period = openRuleEditor(makeRule(Period, 4, 9, 7, 8, 13, 4));
    EXPECT_EQ(period.kind, 5);
    EXPECT_EQ(period.length, "7");
    EXPECT_EQ(period.weekNumber, 0);  // 第１: the 7 is a length here
    EXPECT_EQ(period.weekday, 4);
    EXPECT_EQ(period.weeklyWeekday, 4);
    EXPECT_EQ(period.dayOfMonth, 8);
    EXPECT_EQ(period.month, 7);
    EXPECT_EQ(period.day, 12);

    const RuleEditor nth = openRuleEditor(makeRule(MonthlyByWeekday, 1, 1, 3, 1, 1, 2));
    EXPECT_EQ(nth.weekNumber, 2);
    EXPECT_EQ(nth.length, "1");
}

TEST(RuleEditor, EnablingFollowsTheKind) {
    const auto on = [](int32_t kind) {
        const RuleEditorEnabling e = ruleEditorEnabling(kind);
        return std::vector<bool>{e.weeklyWeekday, e.dayOfMonth, e.weekNumber, e.weekday, e.month, e.day, e.length};
    };
    EXPECT_EQ(on(Weekly), (std::vector<bool>{1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(on(MonthlyByDay), (std::vector<bool>{0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(on(MonthlyByWeekday), (std::vector<bool>{0, 0, 1, 1, 0, 0, 0}));
    EXPECT_EQ(on(Holiday), (std::vector<bool>{0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(on(FixedDate), (std::vector<bool>{0, 0, 0, 0, 1, 1, 0}));
    EXPECT_EQ(on(Period), (std::vector<bool>{0, 0, 0, 0, 1, 1, 1}));
}

TEST(RuleEditor, ConfirmWritesEveryFieldFromTheControls) {
    // A 7-day period switched to Weekly keeps the week number's 1, not the 7.
    const DateColorRule period = makeRule(Period, 4, 9, 7, 8, 13, 4);
    RuleEditor e = openRuleEditor(period);
    e.kind = Weekly;
    e.weeklyWeekday = 6;
    std::optional<DateColorRule> r = confirmRuleEditor(e, period);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->kind, Weekly);
    EXPECT_EQ(r->weekday, 6);
    EXPECT_EQ(r->nthOrLength, 1);
    EXPECT_EQ(r->dayOfMonth, 9);
    EXPECT_EQ(r->month, 8);
    EXPECT_EQ(r->day, 13);
    EXPECT_EQ(r->colorIndex, 4);

    // A holiday takes its weekday from 毎月（曜）'s list.
    e = openRuleEditor(newEditorRule());
    e.kind = Holiday;
    e.weeklyWeekday = 2;
    e.weekday = 5;
    e.color = 1;
    r = confirmRuleEditor(e, newEditorRule());
    ASSERT_TRUE(r);
    EXPECT_EQ(r->weekday, 5);
    EXPECT_EQ(r->colorIndex, 1);

    // A list showing nothing (a damaged rule's value) keeps the rule's own.
    const DateColorRule damaged = makeRule(FixedDate, 9, 40, 0, 13, 32, 8);
    r = confirmRuleEditor(openRuleEditor(damaged), damaged);
    ASSERT_TRUE(r);
    EXPECT_EQ(std::vector<int32_t>({r->weekday, r->dayOfMonth, r->month, r->day, r->colorIndex, r->nthOrLength}),
              std::vector<int32_t>({9, 40, 13, 32, 8, 1}));
}

TEST(RuleEditor, PeriodLengthIsAWholeNumberFoldedToAtLeastOneDay) {
    struct Case {
        const char* typed;
        std::optional<int32_t> stored;
    } const cases[] = {
        {"7", 7},
        {"0", 1},
        {"-5", 5},
        {" +12 ", 12},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MAX},
        {"2147483648", std::nullopt},
        {"abc", std::nullopt},
        {"12x", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"1 2", std::nullopt},
    };
    const DateColorRule period = makeRule(Period, 0, 1, 3, 12, 30, 4);
    for (const Case& c : cases) {
        RuleEditor e = openRuleEditor(period);
        e.length = c.typed;
        const std::optional<DateColorRule> r = confirmRuleEditor(e, period);
        ASSERT_EQ(r.has_value(), c.stored.has_value()) << c.typed;
        if (r) {
            EXPECT_EQ(r->nthOrLength, *c.stored) << c.typed;
        }
    }
    // Other kinds do not read the (disabled) length.
    RuleEditor e = openRuleEditor(period);
    e.length = "abc";
    e.kind = FixedDate;
    EXPECT_TRUE(confirmRuleEditor(e, period));
    EXPECT_EQ(wholeNumber("-0"), 0);
}

TEST(ChoiceLists, EntriesInStoredOrder) {
    const std::vector<std::string> top = choiceItems(Choice::AxisTop);
    ASSERT_EQ(top.size(), 30u);
    EXPECT_EQ(top.front(), "300");
    EXPECT_EQ(top.back(), "10");
    const std::vector<std::string> bottom = choiceItems(Choice::AxisBottom);
    ASSERT_EQ(bottom.size(), 16u);
    EXPECT_EQ(bottom.back(), "-150");
    EXPECT_EQ(choiceItems(Choice::Day).back(), "31日");
    EXPECT_EQ(choiceItems(Choice::Month)[11], "12月");
    EXPECT_EQ(choiceItems(Choice::LeadTime)[4], "１時間前");
    EXPECT_EQ(choiceItems(Choice::RuleColor)[6], "紅");
}

}  // namespace
}  // namespace marilo
