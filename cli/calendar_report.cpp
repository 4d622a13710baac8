#include "cli/calendar_report.h"

#include <cmath>
#include <cstdio>

#include "app/sun_moon_text.h"
#include "cli/report.h"
#include "platform/cp932.h"

namespace marilo::cli {

namespace {

// The phase name without the spaces that pad " 朔 " and " 望 " (cp932).
std::string phaseWord(const MonthDay& d) {
    std::string s = d.phaseName;
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// TEXT value escaping: backslash, semicolon, comma and line feed.
std::string icsText(const std::string& utf8) {
    std::string out;
    for (char c : utf8) {
        if (c == '\\' || c == ';' || c == ',') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out;
}

std::string basicDate(int64_t y, int64_t m, int64_t d) {
    return format("%04d%02d%02d", static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
}

// The UTC moment of `minutes` after 0:00 zone time of a date.
std::string utcMoment(const DateTime& date, int minutes, int zoneOffsetMinutes) {
    const int64_t total = daysFromCivil(date.year, date.month, date.day) * 1440 + minutes - zoneOffsetMinutes;
    const int64_t days = total >= 0 ? total / 1440 : (total - 1439) / 1440;
    const int64_t rest = total - days * 1440;
    int64_t y = 0, m = 0, d = 0;
    civilFromDays(days, y, m, d);
    return basicDate(y, m, d) + format("T%02d%02d00Z", static_cast<int>(rest / 60), static_cast<int>(rest % 60));
}

}  // namespace

std::string icsLine(const std::string& utf8) {
    std::string out;
    size_t from = 0;
    size_t room = 75;
    while (utf8.size() - from > room) {
        size_t cut = from + room;
        while (cut > from && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;
        out.append(utf8, from, cut - from);
        out += "\r\n ";
        from = cut;
        room = 74;  // the leading space counts
    }
    out.append(utf8, from, std::string::npos);
    return out + "\r\n";
}

std::string monthTable(const TideMonth& month, bool sky) {
    std::string out = format("%s  %04d-%02d\n", month.portName, month.year, month.month);
    for (int k = 0; k < month.dayCount; ++k) {
        const MonthDay& d = month.days[k];
        out += format("%04d-%02d-%02d(%s) %s %s", d.date.year, d.date.month, d.date.day, d.date.weekdayName,
                      d.tideName, d.hasPhase() ? d.phaseName : "　　");
        for (int w = 0; w < d.waterCount; ++w) out += std::string("  ") + waterText(d.waters[w]).text;
        if (sky)
            out += format("  日の出 %s  日の入り %s", shortClock(d.sunrise).text, shortClock(d.sunset).text);
        out += "\n";
    }
    return out;
}

bool icsCalendar(PortAddress port, const DateTime& first, int days,
                 const std::function<bool(const std::string&)>& put) {
    const int zoneOffset = static_cast<int>(std::lround(port.zoneMeridian() * 4));  // minutes east of UTC
    const int id = port.commandId();
    bool ok = true;
    const auto addLine = [&](const std::string& line) { ok = ok && put(icsLine(line)); };
    addLine("BEGIN:VCALENDAR");
    addLine("VERSION:2.0");
    addLine("PRODID:-//Marilo//marilo-cli//JA");
    addLine("CALSCALE:GREGORIAN");
    addLine("METHOD:PUBLISH");
    DateTime date(first.year, first.month, first.day);
    TideDay solved(port, date);
    addLine("X-WR-CALNAME:" + icsText(cp932ToUtf8(std::string("潮汐 ") + solved.portName)));
    const std::string location = "LOCATION:" + icsText(cp932ToUtf8(solved.portName));
    for (int k = 0; k < days && ok; ++k) {
        if (k > 0) solved.setDate(date.nextDay());
        const MonthDay d = monthDayOf(solved);
        const std::string day = basicDate(d.date.year, d.date.month, d.date.day);
        const std::string stamp = "DTSTAMP:" + day + "T000000Z";
        const std::string uid = "UID:" + day + "-" + std::to_string(id);

        DateTime next = d.date;
        next.nextDay();
        std::string summary = d.tideName;
        if (d.hasPhase()) summary += " " + phaseWord(d);
        addLine("BEGIN:VEVENT");
        addLine(uid + "-day@marilo");
        addLine(stamp);
        addLine("DTSTART;VALUE=DATE:" + day);
        addLine("DTEND;VALUE=DATE:" + basicDate(next.year, next.month, next.day));
        addLine("SUMMARY:" + icsText(cp932ToUtf8(summary)));
        addLine("DESCRIPTION:" + icsText(cp932ToUtf8(format("月齢 %.1f", d.moonAge))));
        addLine(location);
        addLine("TRANSP:TRANSPARENT");
        addLine("END:VEVENT");

        for (int w = 0; w < d.waterCount; ++w) {
            const TideExtreme& x = d.waters[w];
            const std::string what =
                format("%s %.0fcm", x.kind == kHighWater ? "満潮" : "干潮", x.level);
            addLine("BEGIN:VEVENT");
            addLine(uid + format("-%d@marilo", w + 1));
            addLine(stamp);
            addLine("DTSTART:" + utcMoment(d.date, x.minutes(), zoneOffset));
            addLine("SUMMARY:" + icsText(cp932ToUtf8(what)));
            addLine(location);
            addLine("TRANSP:TRANSPARENT");
            addLine("END:VEVENT");
        }
    }
    addLine("END:VCALENDAR");
    return ok;
}

}  // namespace marilo::cli
