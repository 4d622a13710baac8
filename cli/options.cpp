#include "cli/options.h"

#include <cstdio>
#include <cstring>
#include <regex>
#include <vector>

#include "engine/port_labels.h"
#include "platform/cp932.h"

namespace marilo::cli {

const char kUsage[] =
    "usage: marilo-cli [--port NAME|ID] [--date YYYY-MM-DD] [--time HH:MM] [--days N] [--sun] [--tsv]\n"
    "       marilo-cli --alerts [--port NAME|ID] [--date YYYY-MM-DD] [--days N] [--lead MIN] [--events LIST]\n"
    "       marilo-cli --month YYYY-MM [--port NAME|ID] [--sun]\n"
    "       marilo-cli --ics [--port NAME|ID] [--date YYYY-MM-DD] [--days N]\n"
    "       marilo-cli --list-ports\n"
    "       marilo-cli --find TEXT\n"
    "       marilo-cli --holidays YEAR\n"
    "\n"
    "Tide predictions of one port: tide name, moon age and phase, the level and\n"
    "its rate at the given time, high and low waters and their 30%/70% stages.\n"
    "  --port     table name, chooser label or command ID (default 田子の浦)\n"
    "  --date     first day (default today in the port's zone time)\n"
    "  --time     time of the level and rate (default now in the port's zone time)\n"
    "  --days     number of days, 1 to 100000 (default 1)\n"
    "  --sun      also sunrise, sunset, moonrise, moonset and civil twilight\n"
    "             (the Sun 6 degrees below the horizon), in the port's zone time\n"
    "  --tsv      tab-separated values, one row per day\n"
    "  --alerts   every minute the tray's alerts announce something, as tab-separated\n"
    "             values: date, time, the three lines of the alert, its kind\n"
    "             (0 slack water, 1 falling stage, 2 rising stage)\n"
    "  --lead     minutes ahead of the event: 0, 5, 15, 30, 60, 120 or 180 (default 0)\n"
    "  --events   comma-separated: stp (slack water), up3, up7, dn3, dn7 (default all)\n"
    "  --month    a month at a glance, one line per day: date, weekday, tide name,\n"
    "             moon phase, the high (H) and low (L) waters before 24:00\n"
    "  --ics      the days as an iCalendar file (RFC 5545, UTC times): an event at\n"
    "             each high and low water and an all-day event with the tide name\n"
    "  --list-ports  all ports with group, index, command ID and name\n"
    "  --find     the ports whose name, chooser label, region or prefecture holds\n"
    "             every word of TEXT (full- and half-width, hiragana and katakana\n"
    "             alike): command ID, name and groups\n"
    "  --holidays    the national holidays of a year, one date per line\n";

namespace {

bool parseInt(const std::string& s, int lo, int hi, int& out) {
    static const std::regex digits("[0-9]{1,9}");
    if (!std::regex_match(s, digits)) return false;
    const long v = std::stol(s);
    if (v < lo || v > hi) return false;
    out = static_cast<int>(v);
    return true;
}

std::string quoted(const std::string& s) { return "'" + s + "'"; }

// "stp,up3,...": the events to announce, each named once at most.
std::string parseEvents(const std::string& list, AlertChoice& c) {
    c.slack = c.rise30 = c.rise70 = c.fall30 = c.fall70 = false;
    size_t from = 0;
    for (;;) {
        const size_t comma = list.find(',', from);
        const std::string name = list.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
        bool* on = name == "stp"   ? &c.slack
                   : name == "up3" ? &c.rise30
                   : name == "up7" ? &c.rise70
                   : name == "dn3" ? &c.fall30
                   : name == "dn7" ? &c.fall70
                                   : nullptr;
        if (!on) return "--events: " + quoted(name) + " is not one of stp, up3, up7, dn3, dn7";
        if (*on) return "--events: " + quoted(name) + " is named twice";
        *on = true;
        if (comma == std::string::npos) return "";
        from = comma + 1;
    }
}

}  // namespace

std::string findPort(const std::string& utf8, PortAddress& port) {
    int id = 0;
    if (parseInt(utf8, 0, 99999, id)) {
        const std::optional<PortAddress> named = PortAddress::fromCommandId(id);
        if (!named) return "--port: no port has the command ID " + utf8;
        port = *named;
        return "";
    }
    const std::optional<std::string> name = utf8ToCp932(utf8);
    if (!name) return "--port: the name is not UTF-8 text";
    if (name->empty()) return "--port: " + quoted(utf8) + " is not a port name";

    // A name matches a row by the table's name or by the chooser's label; a
    // name that reaches several rows (白浜 is a label in three prefectures)
    // must be given by command ID.
    std::vector<int> rows;
    for (int row = 0; row < kPortCount; ++row)
        if (*name == PortTable[row].name || *name == PortMenuLabels[row]) rows.push_back(row);
    if (rows.size() == 1) {
        port = *PortAddress::ofRow(rows[0]);
        return "";
    }
    if (rows.size() > 1) {
        std::string list;
        for (int row : rows) {
            if (!list.empty()) list += ", ";
            list += std::to_string(PortAddress::ofRow(row)->commandId()) + " " +
                    cp932ToUtf8(PortTable[row].name);
        }
        return "--port: " + quoted(utf8) + " names several ports; give one of: " + list;
    }
    return "--port: unknown port " + quoted(utf8) + " (see --list-ports)";
}

ParseResult parseOptions(const std::vector<std::string>& args) {
    ParseResult r;
    Options& o = r.options;
    std::string leadOrEvents;  // the first of them given
    static const std::regex dateForm("([0-9]{4})-([0-9]{2})-([0-9]{2})");
    static const std::regex timeForm("([0-9]{1,2}):([0-9]{2})");
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        auto value = [&](std::string& out) {
            if (k + 1 >= args.size()) {
                r.error = a + ": missing value";
                return false;
            }
            out = args[++k];
            // Errors quote values, and what the program prints is UTF-8.
            if (!utf8ToCp932(out)) {
                r.error = a + ": the value is not UTF-8 text";
                return false;
            }
            return true;
        };
        std::string v;
        std::smatch m;
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--tsv") {
            o.tsv = true;
        } else if (a == "--sun") {
            o.sun = true;
        } else if (a == "--list-ports") {
            o.listPorts = true;
        } else if (a == "--port") {
            if (!value(v)) return r;
            r.error = findPort(v, o.port);
            if (!r.error.empty()) return r;
        } else if (a == "--date") {
            if (!value(v)) return r;
            int y = 0, mo = 0, d = 0;
            if (!std::regex_match(v, m, dateForm) || !parseInt(m[1], 1000, 9999, y) || !parseInt(m[2], 1, 12, mo) ||
                !parseInt(m[3], 1, 31, d) || d > DateTime(y, mo, 1).daysInMonth) {
                r.error = "--date: " + quoted(v) + " is not a date of the form YYYY-MM-DD";
                return r;
            }
            o.dateGiven = true;
            o.year = y, o.month = mo, o.day = d;
        } else if (a == "--time") {
            if (!value(v)) return r;
            if (!std::regex_match(v, m, timeForm) || !parseInt(m[1], 0, 23, o.hour) ||
                !parseInt(m[2], 0, 59, o.minute)) {
                r.error = "--time: " + quoted(v) + " is not a time of the form HH:MM (00:00 to 23:59)";
                return r;
            }
            o.timeGiven = true;
        } else if (a == "--days") {
            if (!value(v)) return r;
            if (!parseInt(v, 1, 100000, o.days)) {
                r.error = "--days: " + quoted(v) + " is not a whole number from 1 to 100000";
                return r;
            }
        } else if (a == "--alerts") {
            o.alerts = true;
        } else if (a == "--lead") {
            if (!value(v)) return r;
            int minutes = -1;
            const std::optional<int32_t> preTime =
                parseInt(v, 0, 999, minutes) ? preTimeOfLead(minutes) : std::nullopt;
            if (!preTime) {
                r.error = "--lead: " + quoted(v) + " is not one of 0, 5, 15, 30, 60, 120, 180 (minutes)";
                return r;
            }
            o.alertChoice.lead = *preTime;
            leadOrEvents = a;
        } else if (a == "--events") {
            if (!value(v)) return r;
            r.error = parseEvents(v, o.alertChoice);
            if (!r.error.empty()) return r;
            leadOrEvents = a;
        } else if (a == "--holidays") {
            if (!value(v)) return r;
            if (!parseInt(v, 1000, 9999, o.holidaysYear)) {
                r.error = "--holidays: " + quoted(v) + " is not a year from 1000 to 9999";
                return r;
            }
        } else if (a == "--month") {
            if (!value(v)) return r;
            static const std::regex monthForm("([0-9]{4})-([0-9]{2})");
            if (!std::regex_match(v, m, monthForm) || !parseInt(m[1], 1000, 9999, o.monthYear) ||
                !parseInt(m[2], 1, 12, o.monthMonth)) {
                r.error = "--month: " + quoted(v) + " is not a month of the form YYYY-MM";
                return r;
            }
        } else if (a == "--ics") {
            o.ics = true;
        } else if (a == "--find") {
            if (!value(o.find)) return r;
            if (o.find.find_first_not_of(" \t") == std::string::npos) {
                r.error = "--find: the text to look for is empty";
                return r;
            }
            o.findGiven = true;
        } else if (!utf8ToCp932(a)) {
            r.error = "argument " + std::to_string(k + 1) + " is not UTF-8 text";
            return r;
        } else {
            r.error = quoted(a) + ": unknown argument (see --help)";
            return r;
        }
    }
    if (!o.alerts && !leadOrEvents.empty()) r.error = leadOrEvents + ": only with --alerts";
    if (o.alerts && o.timeGiven) r.error = "--time: --alerts covers whole days";
    if (o.monthYear != 0 && (o.dateGiven || o.timeGiven || o.days != 1 || o.tsv || o.alerts || o.ics))
        r.error = "--month: not with --date, --time, --days, --tsv, --alerts or --ics";
    if (o.findGiven && args.size() != 2) r.error = "--find: not with other arguments";
    if (o.ics && (o.timeGiven || o.tsv || o.sun || o.alerts))
        r.error = "--ics: not with --time, --tsv, --sun or --alerts";
    return r;
}

DateTime firstMoment(const Options& o, const CivilTime& portNow) {
    return DateTime(o.dateGiven ? o.year : portNow.year, o.dateGiven ? o.month : portNow.month,
                    o.dateGiven ? o.day : portNow.day, o.timeGiven ? o.hour : portNow.hour,
                    o.timeGiven ? o.minute : portNow.minute);
}

std::string rangeError(const DateTime& first, int days) {
    const int64_t last = daysFromCivil(first.year, first.month, first.day) + days - 1;
    if (last <= daysFromCivil(9999, 12, 31)) return "";
    char text[96];
    std::snprintf(text, sizeof text, "--days: %d days from %04d-%02d-%02d run past 9999-12-31", days, first.year,
                  first.month, first.day);
    return text;
}

}  // namespace marilo::cli
