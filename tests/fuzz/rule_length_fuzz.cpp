// Fuzz target: the length typed into the date-colour rule editor, read by
// wholeNumber and leadingInteger, and the editor's confirmation.
//
// The two readers agree with the C library's strtoll on every text (the
// independent reading: blanks, a sign, decimal digits, clamped to 32 bits);
// a confirmed period always has a length of at least one day, the absolute
// value of what was typed; a rule opened and confirmed unchanged comes back
// as it was; a non-period rule is never refused for its length.

#include <fuzzer/FuzzedDataProvider.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings_ui/integer_text.h"
#include "settings_ui/rule_pages.h"
#include "tests/fuzz/fuzz_check.h"

using namespace marilo;
using marilo::fuzz::check;

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

struct Model {
    int64_t leading;
    std::optional<int32_t> whole;
};

Model model(const std::string& text) {
    const char* start = text.c_str();  // strtoll stops at a NUL: so do digits
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(start, &end, 10);
    const int64_t clamped = v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : v;
    Model m{clamped, std::nullopt};
    const bool digits = end != start;
    std::size_t rest = static_cast<std::size_t>(end - start);
    while (rest < text.size() && blank(text[rest])) ++rest;
    if (digits && rest == text.size() && errno != ERANGE && v >= INT32_MIN && v <= INT32_MAX)
        m.whole = static_cast<int32_t>(v);
    return m;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    DateColorRule rule = makeRule(in.ConsumeIntegralInRange<int32_t>(-1, 6), in.ConsumeIntegralInRange<int32_t>(-1, 7),
                                  in.ConsumeIntegralInRange<int32_t>(0, 32), in.ConsumeIntegral<int32_t>(),
                                  in.ConsumeIntegralInRange<int32_t>(0, 13), in.ConsumeIntegralInRange<int32_t>(0, 32),
                                  in.ConsumeIntegralInRange<int32_t>(-1, 7));
    const bool typed = in.ConsumeBool();
    const int32_t kind = in.ConsumeIntegralInRange<int32_t>(kNoSelection, Period);
    const std::string text = in.ConsumeRemainingBytesAsString();

    const Model m = model(text);
    check(leadingInteger(text) == m.leading, "leadingInteger reads as strtoll, clamped");
    const std::optional<int32_t> whole = wholeNumber(text);
    check(whole == m.whole, "wholeNumber is a whole 32-bit number and nothing else");
    if (whole) check(wholeNumber(std::to_string(*whole)) == whole, "a number written reads back");

    // Unchanged: a rule comes back as it was opened, a period's length of at
    // least one day included.
    const std::optional<DateColorRule> same = confirmRuleEditor(openRuleEditor(rule), rule);
    check(same.has_value(), "an unchanged rule is confirmed");
    if (rule.kind == Period && rule.nthOrLength >= 1)
        check(same->nthOrLength == rule.nthOrLength, "an unchanged period keeps its length");
    check(same->kind == rule.kind && same->weekday == rule.weekday && same->month == rule.month &&
              same->day == rule.day && same->colorIndex == rule.colorIndex && same->dayOfMonth == rule.dayOfMonth,
          "an unchanged rule keeps its fields");

    RuleEditor e = openRuleEditor(rule);
    if (typed) e.length = text;
    e.kind = kind;
    const std::optional<DateColorRule> r = confirmRuleEditor(e, rule);
    const int32_t finalKind = kind >= 0 ? kind : rule.kind;
    if (finalKind != Period) {
        check(r.has_value(), "only a period is refused for its length");
        return 0;
    }
    const std::optional<int32_t> length = wholeNumber(e.length);
    check(r.has_value() == length.has_value(), "a period is refused exactly when its length is not a number");
    if (!r) return 0;
    check(r->kind == Period && r->nthOrLength >= 1, "a period lasts at least one day");
    const int64_t magnitude = *length < 0 ? -int64_t{*length} : int64_t{*length};
    check(r->nthOrLength == (magnitude == 0 ? 1 : magnitude > INT32_MAX ? INT32_MAX : magnitude),
          "the length is the absolute value typed");
    return 0;
}
