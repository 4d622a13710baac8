#include "calendar/color_rules.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "calendar/clock.h"
#include "calendar/holidays.h"

namespace marilo {

const uint32_t RuleColors[kRuleColorCount] = {
    0x000000,  // 黒
    0x0000FF,  // 赤
    0xFF0000,  // 青
    0x00FF00,  // 緑
    0xC0C000,  // 水
    0x00C0C0,  // 黄
    0xFF00FF,  // 紅
};

const char* const RuleColorNames[kRuleColorCount] = {"黒", "赤", "青", "緑", "水", "黄", "紅"};

namespace {

const char* const kKindLabels[6] = {"毎週", "毎月", "毎月", "祝祭日", "指定日", "期間"};
const char* const kWeekdayNames[7] = {"日", "月", "火", "水", "木", "金", "土"};

// Names for the text; a stored index out of range shows as "?" rather than
// reading outside the tables.
const char* colorName(int32_t i) { return i >= 0 && i < kRuleColorCount ? RuleColorNames[i] : "?"; }
const char* weekdayName(int32_t i) { return i >= 0 && i < 7 ? kWeekdayNames[i] : "?"; }

}  // namespace

DateColorRule makeRule(int32_t kind, int32_t weekday, int32_t dayOfMonth, int32_t nthOrLength, int32_t month,
                       int32_t day, int32_t colorIndex) {
    DateColorRule r{};
    r.kind = kind;
    r.weekday = weekday;
    r.dayOfMonth = dayOfMonth;
    r.nthOrLength = nthOrLength;
    r.month = month;
    r.day = day;
    r.colorIndex = colorIndex;
    return r;
}

// A period is the run of `length` days that starts on month/day of the
// anchor year, the month carried into the year and the day into the months
// as the calendar has them. Years are never compared, so the question is
// whether the first date on or after the start with the asked month and day
// lies within the run; that date is at most one year away (eight for
// 29 February), so the answer costs the same for any length.
bool periodCovers(int32_t anchorYear, int32_t month, int32_t day, int32_t length, int32_t dateMonth,
                  int32_t dateDay) {
    if (length <= 0) return false;
    const int64_t start = daysFromCivil(anchorYear, month, day);
    int64_t sy, sm, sd;
    civilFromDays(start, sy, sm, sd);

    // Whether the date's month and day exist in some year.
    if (dateMonth < 1 || dateMonth > 12 || dateDay < 1 || dateDay > (dateMonth == 2 ? 29 : daysInMonthOf(2001, dateMonth)))
        return false;

    int64_t first;
    if (dateMonth == 2 && dateDay == 29) {
        int64_t y = sy;
        while (!isLeapYearOf(y) || daysFromCivil(y, 2, 29) < start) ++y;  // at most eight years on
        first = daysFromCivil(y, 2, 29);
    } else {
        first = daysFromCivil(sy, dateMonth, dateDay);
        if (first < start) first = daysFromCivil(sy + 1, dateMonth, dateDay);
    }
    return first - start < length;
}

bool ruleMatches(const DateColorRule& rule, const DateTime& date, int32_t currentYear) {
    switch (rule.kind) {
    case Weekly:
        return date.weekday == rule.weekday;
    case MonthlyByDay:
        return date.day == rule.dayOfMonth;
    case MonthlyByWeekday:
        return (date.day + 6) / 7 == rule.nthOrLength && date.weekday == rule.weekday;
    case Holiday:
        return isHoliday(date);
    case FixedDate:
        return date.month == rule.month && date.day == rule.day;
    case Period:
        return periodCovers(currentYear, rule.month, rule.day, rule.nthOrLength, date.month, date.day);
    default:
        return false;
    }
}

uint32_t RuleList::colorForDate(DateTime date) const {
    // The clock is read only for a list that has a period rule.
    int32_t year = 0;
    for (const DateColorRule& r : rules_) {
        if (r.kind == Period) {
            year = localNow().year;
            break;
        }
    }
    return colorForDate(date, year);
}

uint32_t RuleList::colorForDate(const DateTime& date, int32_t currentYear) const {
    for (const DateColorRule& r : rules_) {
        // A colour index out of the table (only a damaged store holds one)
        // gives 0, the colour of no rule; the rule still ends the search.
        if (ruleMatches(r, date, currentYear))
            return r.colorIndex >= 0 && r.colorIndex < kRuleColorCount ? RuleColors[r.colorIndex] : 0;
    }
    return 0;
}

void RuleList::assign(const DateColorRule* rules, int32_t count) {
    if (count <= 0 || rules == nullptr) {
        rules_.clear();
    } else if (rules == rules_.data()) {
        if (count < this->count()) rules_.resize(static_cast<std::size_t>(count));
    } else {
        rules_.assign(rules, rules + count);
    }
    rules_.shrink_to_fit();
    changed_ = true;
}

void RuleList::append(const DateColorRule& rule) {
    rules_.reserve(rules_.size() + 1);
    rules_.push_back(rule);
    describeRule(count() - 1);
}

void RuleList::removeAt(int32_t index) {
    if (index < 0 || index >= count()) return;
    rules_.erase(rules_.begin() + index);
    rules_.shrink_to_fit();
    changed_ = true;
    for (int32_t i = index; i < count(); ++i) describeRule(i);
}

void RuleList::replaceAt(int32_t index, const DateColorRule& rule) {
    if (index < 0 || index >= count()) return;
    rules_[static_cast<std::size_t>(index)] = rule;
    describeRule(index);
}

void RuleList::swap(int32_t i, int32_t j) {
    if (i < 0 || j < 0 || i >= count() || j >= count()) return;
    std::swap(rules_[static_cast<std::size_t>(i)], rules_[static_cast<std::size_t>(j)]);
    describeRule(i);
    describeRule(j);
}

void RuleList::describeRule(int32_t index) {
    changed_ = true;
    if (index < 0 || index >= count()) return;
    DateColorRule& r = rules_[static_cast<std::size_t>(index)];
    if (r.kind < Weekly || r.kind > Period) return;  // unknown kind: text left as it is
    const int n = index + 1;
    const char* label = kKindLabels[r.kind];
    const char* color = colorName(r.colorIndex);
    char* t = r.text;
    const std::size_t size = sizeof r.text;
    switch (r.kind) {
    case Weekly:
        std::snprintf(t, size, "%d:%s,%s曜日,%s", n, label, weekdayName(r.weekday), color);
        break;
    case MonthlyByDay:
        std::snprintf(t, size, "%d:%s,%d日,%s", n, label, r.dayOfMonth, color);
        break;
    case MonthlyByWeekday:
        std::snprintf(t, size, "%d:%s,第%d,%s曜日,%s", n, label, r.nthOrLength, weekdayName(r.weekday), color);
        break;
    case Holiday:
        std::snprintf(t, size, "%d:%s,%s", n, label, color);
        break;
    case FixedDate:
        std::snprintf(t, size, "%d:%s,%d月%d日,%s", n, label, r.month, r.day, color);
        break;
    case Period:
        std::snprintf(t, size, "%d:%s,%d/%d～%ddays,%s", n, label, r.month, r.day, r.nthOrLength, color);
        break;
    default:
        break;
    }
}

void RuleList::describeAll() {
    changed_ = true;
    for (int32_t i = 0; i < count(); ++i) describeRule(i);
}

RuleList DefaultRules() {
    const DateColorRule rules[3] = {
        makeRule(Holiday, 0, 1, 1, 1, 1, 1),  // national holidays, red
        makeRule(Weekly, 0, 1, 1, 1, 1, 1),   // Sundays, red
        makeRule(Weekly, 6, 1, 1, 1, 1, 2),   // Saturdays, blue
    };
    RuleList list;
    list.assign(rules, 3);
    list.clearChanged();
    return list;
}

}  // namespace marilo
