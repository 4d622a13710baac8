#pragma once
// Command-line arguments of marilo-cli, parsed into plain values.

#include <string>
#include <vector>

#include "alerts/alert_scheduler.h"
#include "calendar/clock.h"
#include "calendar/date_time.h"
#include "engine/port_address.h"

namespace marilo::cli {

struct Options {
    PortAddress port;  // the default port, 田子の浦
    bool dateGiven = false;
    int year = 0, month = 0, day = 0;
    bool timeGiven = false;
    int hour = 0, minute = 0;
    int days = 1;
    bool tsv = false;
    bool sun = false;  // sunrise, sunset, twilight, moonrise and moonset too
    bool listPorts = false;
    int holidaysYear = 0;  // 0: not asked for
    bool help = false;
    // --alerts: every announcement of the days, for the events and lead
    // chosen (all five events at the moment itself unless told otherwise).
    bool alerts = false;
    AlertChoice alertChoice{true, true, true, true, true, 0};
    // --month YYYY-MM: the month as a table, one line per day.
    int monthYear = 0, monthMonth = 0;  // 0: not asked for
    // --ics: the days as an iCalendar file instead of text.
    bool ics = false;
    // --find TEXT: the ports the text finds, as the search box lists them
    // (UTF-8, as given).
    std::string find;
    bool findGiven = false;
};

struct ParseResult {
    Options options;
    std::string error;  // empty on success; otherwise one line naming the bad argument
};

// Arguments are UTF-8 as the terminal gives them; an argument that is not
// well-formed UTF-8 is an error. Errors are UTF-8.
ParseResult parseOptions(const std::vector<std::string>& args);

// The first moment asked for: the given date and time, each missing one
// taken from `portNow`, the present moment in the port's zone time.
DateTime firstMoment(const Options& o, const CivilTime& portNow);
// Empty when `days` days from `first` end by 9999-12-31, the last date
// --date takes; otherwise the error to print.
std::string rangeError(const DateTime& first, int days);

// A port by command ID ("52214"), table name or chooser label, given in
// UTF-8; names and labels are compared in cp932. Empty error on success.
std::string findPort(const std::string& utf8, PortAddress& port);

// The help text, cp932 like the engine's texts.
extern const char kUsage[];

}  // namespace marilo::cli
