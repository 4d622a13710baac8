#pragma once
// The user's date colour rules: an ordered list of rules, each giving a colour
// to the dates it matches, the first matching rule deciding. The tray date
// icons and the graph's date line ask colorForDate(); the settings dialog
// edits the list and shows each rule as a one-line text.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "calendar/date_time.h"

namespace marilo {

enum RuleKind : int32_t {
    Weekly = 0,            // every week on `weekday`
    MonthlyByDay = 1,      // every month on `dayOfMonth`
    MonthlyByWeekday = 2,  // every month on the `nthOrLength`-th `weekday`
    Holiday = 3,           // national holidays
    FixedDate = 4,         // every year on `month`/`day`
    Period = 5,            // every year, `nthOrLength` days from `month`/`day`
};

// Colour table indexed by DateColorRule::colorIndex, 0x00BBGGRR values:
// 黒 赤 青 緑 水 黄 紅.
constexpr int kRuleColorCount = 7;
extern const uint32_t RuleColors[kRuleColorCount];
extern const char* const RuleColorNames[kRuleColorCount];  // cp932

// One rule. The first seven fields are the stored form (28 bytes, seven
// little-endian int32 back to back); `text` lives only in memory. Fields a
// kind does not use keep whatever the editor wrote and are kept as they are.
struct DateColorRule {
    int32_t kind;         // RuleKind; other values never match
    int32_t weekday;      // 0 Sunday .. 6 Saturday: Weekly, MonthlyByWeekday
    int32_t dayOfMonth;   // 1..31: MonthlyByDay
    int32_t nthOrLength;  // MonthlyByWeekday: week 1..5; Period: length in days
    int32_t month;        // 1..12: FixedDate, Period
    int32_t day;          // 1..31: FixedDate, Period
    int32_t colorIndex;   // 0..6 into RuleColors
    char text[256];       // cp932, built by RuleList::describeRule()
};

constexpr std::size_t kStoredRuleSize = 7 * sizeof(int32_t);  // 28 bytes
constexpr std::size_t kRuleTextSize = sizeof(DateColorRule::text);

// A rule with the given stored fields and an empty text.
DateColorRule makeRule(int32_t kind, int32_t weekday, int32_t dayOfMonth, int32_t nthOrLength, int32_t month,
                       int32_t day, int32_t colorIndex);

// The user's ordered rule list, order being the order of evaluation. Every
// editing operation (and every describeRule) sets the change mark, which the
// settings dialog turns into its IconsDirty. Indices outside the list are
// ignored by every operation.
class RuleList {
public:
    RuleList() = default;

    int32_t count() const { return static_cast<int32_t>(rules_.size()); }
    bool empty() const { return rules_.empty(); }
    const DateColorRule& operator[](int32_t i) const { return rules_[static_cast<std::size_t>(i)]; }
    const DateColorRule* data() const { return rules_.data(); }
    const DateColorRule* begin() const { return rules_.data(); }
    const DateColorRule* end() const { return rules_.data() + rules_.size(); }

    // Replaces the whole content by a copy of `count` rules, texts included.
    void assign(const DateColorRule* rules, int32_t count);
    void assign(const RuleList& other) { assign(other.data(), other.count()); }
    // Adds a copy at the end and describes it.
    void append(const DateColorRule& rule);
    // Removes one rule; the later ones move up and are described again with
    // their new position numbers.
    void removeAt(int32_t index);
    // Copies the rule over position `index` and describes it.
    void replaceAt(int32_t index, const DateColorRule& rule);
    // Exchanges two whole rules, then describes both positions.
    void swap(int32_t i, int32_t j);
    // Composes the text of one rule, e.g. "2:毎週,日曜日,赤".
    void describeRule(int32_t index);
    // Describes every rule (as the settings dialog does on opening).
    void describeAll();

    bool changed() const { return changed_; }
    void clearChanged() { changed_ = false; }

    // Colour of a date: that of the first matching rule, or 0 when none
    // matches (0 is also black). Period runs are laid out in the current
    // year of the local clock; the second form takes that year as argument.
    // Allocates nothing, and answers in constant time whatever a period's
    // length.
    uint32_t colorForDate(DateTime date) const;
    uint32_t colorForDate(const DateTime& date, int32_t currentYear) const;

private:
    std::vector<DateColorRule> rules_;
    bool changed_ = false;
};

// Whether one rule matches a date; `currentYear` anchors Period runs.
bool ruleMatches(const DateColorRule& rule, const DateTime& date, int32_t currentYear);

// Whether a period of `length` days from month/day, laid out from the year
// `anchorYear` (month and day normalised over the calendar: 29 February of a
// common year is 1 March, 4/31 is 5/1), passes the date month/day.
bool periodCovers(int32_t anchorYear, int32_t month, int32_t day, int32_t length, int32_t dateMonth,
                  int32_t dateDay);

// The list installed on the first start: holidays red, Sundays red,
// Saturdays blue.
RuleList DefaultRules();

}  // namespace marilo
