#include "cli/report.h"

#include <cstdio>
#include <cstring>

#include "app/port_search.h"
#include "base/shown_number.h"
#include "engine/port_source.h"
#include "platform/cp932.h"

namespace marilo::cli {

namespace {

const char* kindText(int kind) {
    switch (kind) {
        case kHighWater: return "上げ止まり";
        case kLowWater: return "下げ止まり";
        default: return "";
    }
}

// After a high water the tide falls; after a low water it rises.
const char* stage30Text(int kind) { return kind == kHighWater ? "下げ３分" : "上げ３分"; }
const char* stage70Text(int kind) { return kind == kHighWater ? "下げ７分" : "上げ７分"; }

std::string slotTime(const TideExtreme& x) { return x.empty() ? "" : clockText(x.hour, x.minute); }
std::string stage30(const TideExtreme& x) { return x.empty() ? "" : clockText(x.stage30Hour, x.stage30Minute); }
std::string stage70(const TideExtreme& x) { return x.empty() ? "" : clockText(x.stage70Hour, x.stage70Minute); }

std::string isoDate(const DateTime& d) { return format("%04d-%02d-%02d", d.year, d.month, d.day); }

std::string eventTime(int32_t minuteOfDay) {
    return minuteOfDay == kNoEvent ? "" : clockText(minuteOfDay / 60, minuteOfDay % 60);
}
std::string shownEvent(int32_t minuteOfDay) {
    return minuteOfDay == kNoEvent ? "--:--" : eventTime(minuteOfDay);
}

}  // namespace

std::string clockText(int hour, int minute) {
    if (hour == kNoHour) return "";
    return format("%02d:%02d", hour, minute);
}

std::string formatDay(const TideDay& t, const SunMoonTimes* sky) {
    std::string out = format("%s  %s(%s)  %s  月齢%.1f", t.portName, isoDate(t.date).c_str(), t.date.weekdayName,
                             t.tideName, t.moonAge);
    if (t.phaseNumber != 0) out += format("  %s", t.phaseName);
    out += "\n";
    const ConstantsNote note = constantsNote(t.address());
    if (note.text[0] != '\0') out += format("  %s\n", note.text);
    out += format("  %02d:%02d  %6.1f cm  %+.3f cm/分\n", t.date.hour, t.date.minute, shownNumber(t.levelNow, 1),
                  shownNumber(t.rateNow, 3));
    for (const TideExtreme& x : t.extremes) {
        if (x.empty()) continue;
        out += format("  %s  %6.1f cm  %-10s", slotTime(x).c_str(), shownNumber(x.level, 1), kindText(x.kind));
        if (x.kind == kHighWater || x.kind == kLowWater) {
            if (x.stage30Hour != kNoHour) out += format("  %s %s", stage30Text(x.kind), stage30(x).c_str());
            if (x.stage70Hour != kNoHour) out += format("  %s %s", stage70Text(x.kind), stage70(x).c_str());
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        out += "\n";
    }
    if (sky != nullptr)
        out += "  日の出 " + shownEvent(sky->sunrise) + "  日の入り " + shownEvent(sky->sunset) + "  月の出 " +
               shownEvent(sky->moonrise) + "  月の入り " + shownEvent(sky->moonset) + "  薄明 " +
               shownEvent(sky->civilDawn) + " - " + shownEvent(sky->civilDusk) + "\n";
    return out;
}

std::string tsvHeader(bool sky) {
    std::string h = "date\tport\ttide\tmoon_age\tphase\tlevel_now\trate_now";
    for (int s = 1; s <= kExtremeSlots; ++s)
        h += format("\tt%d\tlevel%d\tkind%d\tstage30_%d\tstage70_%d", s, s, s, s, s);
    if (sky) h += "\tcivil_dawn\tsunrise\tsunset\tcivil_dusk\tmoonrise\tmoonset";
    return h + "\n";
}

std::string tsvRow(const TideDay& t, const SunMoonTimes* sky) {
    std::string row = format("%s\t%s\t%s\t%.2f\t%d\t%.1f\t%.3f", isoDate(t.date).c_str(), t.portName, t.tideName,
                             t.moonAge, t.phaseNumber, shownNumber(t.levelNow, 1), shownNumber(t.rateNow, 3));
    for (const TideExtreme& x : t.extremes) {
        if (x.empty()) {
            row += format("\t\t\t%d\t\t", x.kind);
            continue;
        }
        row += format("\t%s\t%.1f\t%d\t%s\t%s", slotTime(x).c_str(), shownNumber(x.level, 1), x.kind, stage30(x).c_str(),
                      stage70(x).c_str());
    }
    if (sky != nullptr)
        for (int32_t m : {sky->civilDawn, sky->sunrise, sky->sunset, sky->civilDusk, sky->moonrise, sky->moonset}) {
            row += '\t';
            row += eventTime(m);
        }
    return row + "\n";
}

std::string alertsTsvHeader() { return "date\ttime\tmessage\tremainder\ttime_line\tkind\n"; }

std::string alertTsvRow(const DateTime& minute, const Alert& alert) {
    return format("%s\t%02d:%02d\t", isoDate(minute).c_str(), minute.hour, minute.minute) + alert.message + "\t" +
           alert.remainder + "\t" + alert.time + format("\t%d\n", static_cast<int>(alert.kind));
}

std::string portList() {
    std::string out = "row\tgroup\tindex\tid\tname\n";
    for (int row = 0; row < kPortCount; ++row) {
        const PortAddress at = *PortAddress::ofRow(row);
        out += format("%d\t%d\t%d\t%d\t%s\n", row, at.group(), at.index(), at.commandId(), at.record().name);
    }
    return out;
}

std::string foundPorts(const std::string& cp932Query) {
    std::string out;
    for (const PortAddress& p : findPorts(cp932ToUtf16(cp932Query)))
        out += format("%d\t%s\t", p.commandId(), p.record().name) + utf16ToCp932(portGroupText(p)) + "\n";
    return out;
}

}  // namespace marilo::cli
