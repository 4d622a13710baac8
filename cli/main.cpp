// marilo-cli: the tide engine in a terminal.

#include <cstdio>
#include <string>
#include <vector>

#include "calendar/clock.h"
#include "calendar/holidays.h"
#include "cli/calendar_report.h"
#include "cli/options.h"
#include "cli/report.h"
#include "engine/rise_set.h"
#include "engine/tide_day.h"
#include "platform/cp932.h"

namespace {

// The engine's texts are cp932; the terminal wants UTF-8.
bool emit(const std::string& cp932) {
    const std::string utf8 = marilo::cp932ToUtf8(cp932);
    return std::fwrite(utf8.data(), 1, utf8.size(), stdout) == utf8.size();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace marilo;
    const cli::ParseResult parsed = cli::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "marilo-cli: %s\n", parsed.error.c_str());
        return 2;
    }
    const cli::Options& o = parsed.options;
    if (o.help) return emit(cli::kUsage) && std::fflush(stdout) == 0 ? 0 : 1;
    if (o.listPorts) return emit(cli::portList()) ? 0 : 1;
    if (o.holidaysYear != 0) return emit(holidayLines(o.holidaysYear)) ? 0 : 1;
    if (o.monthYear != 0)
        return emit(cli::monthTable(tideMonth(o.port, o.monthYear, o.monthMonth), o.sun)) && std::fflush(stdout) == 0
                   ? 0
                   : 1;

    // The port's own zone time, whatever the machine's time zone.
    DateTime when = cli::firstMoment(o, zoneNow(o.port.zoneMeridian()));
    if (const std::string error = cli::rangeError(when, o.days); !error.empty()) {
        std::fprintf(stderr, "marilo-cli: %s\n", error.c_str());
        return 2;
    }
    if (o.ics) {
        // Already UTF-8, written line by line as it is made.
        const bool ok = cli::icsCalendar(o.port, when, o.days, [](const std::string& line) {
            return std::fwrite(line.data(), 1, line.size(), stdout) == line.size();
        });
        return ok && std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (o.alerts) {
        // The tray's own scheduler, minute by minute over whole days.
        bool ok = emit(cli::alertsTsvHeader());
        forEachAlert(o.port, when, o.days, o.alertChoice,
                     [&](const DateTime& minute, const Alert& a) { ok = ok && emit(cli::alertTsvRow(minute, a)); });
        return ok && std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (o.tsv && !emit(cli::tsvHeader(o.sun))) return 1;
    TideDay day(o.port, when);
    for (int k = 0; k < o.days; ++k) {
        if (k > 0) day.setDate(when.nextDay());
        day.computeStages();
        SunMoonTimes sky;
        if (o.sun) sky = sunMoonTimes(o.port, day.date.year, day.date.month, day.date.day);
        const SunMoonTimes* shown = o.sun ? &sky : nullptr;
        if (!o.tsv && k > 0 && !emit("\n")) return 1;
        if (!emit(o.tsv ? cli::tsvRow(day, shown) : cli::formatDay(day, shown))) return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
