// Fuzz target: marilo-cli's command line (parseOptions), options and values
// drawn from the options it knows and from arbitrary bytes.
//
// Accepted: every value lies in its range (a real date, a time of day, days
// 1..100000, a month of years 1000..9999, a lead of the table, a port of the
// table) and the combinations refused by the usage are absent; the range
// check answers for it without overflow. Refused: the error is one UTF-8
// text that names an argument given (or its position).

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "cli/options.h"
#include "platform/cp932.h"
#include "tests/fuzz/fuzz_check.h"

using namespace marilo;
using marilo::fuzz::check;

namespace {

const char* const kWords[] = {"--port", "--date", "--time", "--days", "--tsv", "--sun", "--list-ports",
                              "--holidays", "--help", "--alerts", "--lead", "--events", "--month", "--ics",
                              "2024-12-06", "9999-12", "23:59", "100000", "50103", "stp,up3", "-h"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    std::vector<std::string> args;
    const int n = in.ConsumeIntegralInRange<int>(0, 8);
    for (int k = 0; k < n && in.remaining_bytes() > 0; ++k) {
        if (in.ConsumeBool())
            args.push_back(kWords[in.ConsumeIntegralInRange<size_t>(0, std::size(kWords) - 1)]);
        else
            args.push_back(in.ConsumeRandomLengthString(24));
    }

    const cli::ParseResult r = cli::parseOptions(args);
    if (!r.error.empty()) {
        check(utf8ToCp932(r.error).has_value(), "the error prints as UTF-8 text");
        bool named = r.error.rfind("argument ", 0) == 0;
        for (const std::string& a : args) named = named || r.error.find(a.empty() ? "''" : a) != std::string::npos;
        check(named, "the error names an argument given");
        check(cli::parseOptions(args).error == r.error, "the same arguments give the same error");
        return 0;
    }
    const cli::Options& o = r.options;
    check(o.days >= 1 && o.days <= 100000, "days 1..100000");
    if (o.dateGiven) {
        check(o.year >= 1000 && o.year <= 9999 && o.month >= 1 && o.month <= 12, "date's year and month");
        check(o.day >= 1 && o.day <= DateTime(o.year, o.month, 1).daysInMonth, "date's day in its month");
    }
    if (o.timeGiven) check(o.hour >= 0 && o.hour <= 23 && o.minute >= 0 && o.minute <= 59, "time of day");
    check(o.monthYear == 0 || (o.monthYear >= 1000 && o.monthYear <= 9999 && o.monthMonth >= 1 && o.monthMonth <= 12),
          "--month in range");
    check(o.holidaysYear == 0 || (o.holidaysYear >= 1000 && o.holidaysYear <= 9999), "--holidays year");
    check(o.alertChoice.lead >= 0 && o.alertChoice.lead < kLeadTimeCount, "lead of the table");
    check(PortAddress::at(o.port.group(), o.port.index()).has_value(), "a port of the table");
    check(!(o.ics && (o.timeGiven || o.tsv || o.sun || o.alerts)), "--ics alone with its companions");
    check(!(o.monthYear != 0 && (o.dateGiven || o.timeGiven || o.days != 1 || o.tsv || o.alerts || o.ics)),
          "--month alone with its companions");
    check(!(o.alerts && o.timeGiven), "--alerts without --time");

    // The days left after the first day up to 9999-12-31, counted by the
    // calendar's rules (the rest of the month and year, then whole years),
    // against the range check.
    const DateTime first = cli::firstMoment(o, CivilTime{2026, 12, 7, 21, 0});
    int64_t left = DateTime(first.year, first.month, 1).daysInMonth - first.day;
    for (int m = first.month + 1; m <= 12; ++m) left += DateTime(first.year, m, 1).daysInMonth;
    auto leaps = [](int64_t y) { return y / 4 - y / 100 + y / 400; };
    left += (9999 - first.year) * 365 + leaps(9999) - leaps(first.year);
    const std::string range = cli::rangeError(first, o.days);
    check(range.empty() == (o.days - 1 <= left), "a range is refused exactly when it runs past 9999-12-31");
    if (!range.empty()) check(range.rfind("--days: ", 0) == 0, "the range error names --days");
    return 0;
}
