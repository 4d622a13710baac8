#include "alerts/alert_scheduler.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace marilo {

const LeadTime kLeadTimes[kLeadTimeCount] = {
    {"JUST", 0, "に", "なりました。"},
    {"５分前", 5, "まで", "あと５分です。"},
    {"15分前", 15, "まで", "あと１５分です。"},
    {"30分前", 30, "まで", "あと３０分です。"},
    {"１時間前", 60, "まで", "あと１時間です。"},
    {"２時間前", 120, "まで", "あと２時間です。"},
    {"３時間前", 180, "まで", "あと３時間です。"},
};

const LeadTime& leadTimeOf(int32_t preTime) {
    return preTime >= 0 && preTime < kLeadTimeCount ? kLeadTimes[preTime] : kLeadTimes[0];
}

std::optional<int32_t> preTimeOfLead(int minutes) {
    for (int32_t i = 0; i < kLeadTimeCount; ++i)
        if (kLeadTimes[i].minutes == minutes) return i;
    return std::nullopt;
}

AlertDays::AlertDays() : date(2000, 1, 1) {
    for (TideExtreme* day : {yesterday, today, tomorrow})
        for (int i = 0; i < kExtremeSlots; ++i) {
            day[i].hour = kNoHour;
            day[i].kind = kUnclassified;
            day[i].stage30Hour = kNoHour;
            day[i].stage70Hour = kNoHour;
        }
}

namespace {

// The turning points with stage times of the date `offset` days from `date`.
void solveStages(PortAddress port, const DateTime& date, int offset, TideExtreme (&out)[kExtremeSlots]) {
    DateTime d(date.year, date.month, date.day);
    d.addDays(offset);
    TideDay t(port, d);
    t.computeStages();
    for (int i = 0; i < kExtremeSlots; ++i) out[i] = t.extremes[i];
}

}  // namespace

AlertDays solveAlertDays(PortAddress port, const DateTime& date) {
    AlertDays days;
    days.port = port;
    days.date = DateTime(date.year, date.month, date.day);
    solveStages(port, days.date, -1, days.yesterday);
    solveStages(port, days.date, 0, days.today);
    solveStages(port, days.date, 1, days.tomorrow);
    return days;
}

void forEachAlert(PortAddress port, const DateTime& first, int dayCount, const AlertChoice& choice,
                  const std::function<void(const DateTime& minute, const Alert&)>& out) {
    if (dayCount <= 0) return;
    AlertDays days = solveAlertDays(port, first);
    for (int k = 0; k < dayCount; ++k) {
        if (k > 0) {  // slide the three days on by one, solving only the new tomorrow
            std::copy(std::begin(days.today), std::end(days.today), days.yesterday);
            std::copy(std::begin(days.tomorrow), std::end(days.tomorrow), days.today);
            days.date.addDays(1);
            solveStages(port, days.date, 1, days.tomorrow);
        }
        for (int m = 0; m < 24 * 60; ++m) {
            const std::optional<Alert> a = scheduleAlert(days, choice, m / 60, m % 60);
            if (a) out(DateTime(days.date.year, days.date.month, days.date.day, m / 60, m % 60), *a);
        }
    }
}

namespace {

enum Event { kHighSlack, kLowSlack, kRise30, kRise70, kFall30, kFall70 };

const char* eventText(Event e) {
    switch (e) {
        case kHighSlack: return "上げ止まり";
        case kLowSlack: return "下げ止まり";
        case kRise30: return "上げ３分";
        case kRise70: return "上げ７分";
        case kFall30: return "下げ３分";
        case kFall70: return "下げ７分";
    }
    return "";
}

AlertKind kindOf(Event e) {
    if (e == kHighSlack || e == kLowSlack) return kAlertSlack;
    return e == kRise30 || e == kRise70 ? kAlertRising : kAlertFalling;
}

bool at(const TideExtreme& x, int h, int m) { return x.hour == h && x.minute == m; }
bool stage30At(const TideExtreme& x, int h, int m) { return x.stage30Hour == h && x.stage30Minute == m; }
bool stage70At(const TideExtreme& x, int h, int m) { return x.stage70Hour == h && x.stage70Minute == m; }

// The tests of one slot for a target (h, m) on the day of `cur`, whose
// previous day is `prev` (its stage times count from its own 0:00).
std::optional<Event> matchSlot(const TideExtreme& prev, const TideExtreme& cur, const AlertChoice& c, int h,
                               int m) {
    if (c.slack && at(cur, h, m)) {
        if (cur.kind == kHighWater) return kHighSlack;
        if (cur.kind == kLowWater) return kLowSlack;
    }
    if (prev.kind == kLowWater) {
        if (c.rise30 && stage30At(prev, h + 24, m)) return kRise30;
        if (c.rise70 && stage70At(prev, h + 24, m)) return kRise70;
    }
    if (cur.kind == kLowWater) {
        if (c.rise30 && stage30At(cur, h, m)) return kRise30;
        if (c.rise70 && stage70At(cur, h, m)) return kRise70;
    }
    if (prev.kind == kHighWater) {
        if (c.fall30 && stage30At(prev, h + 24, m)) return kFall30;
        if (c.fall70 && stage70At(prev, h + 24, m)) return kFall70;
    }
    if (cur.kind == kHighWater) {
        if (c.fall30 && stage30At(cur, h, m)) return kFall30;
        if (c.fall70 && stage70At(cur, h, m)) return kFall70;
    }
    return std::nullopt;
}

// Slot 4 is never examined: it has no following slot to measure stages by.
constexpr int kExaminedSlots = 4;

// The day before carries the stages of its last turning points on past its
// midnight, measured to a next turning point it looks for beyond its own
// window. The day's own solution may hold the same turning point again (a
// low at 24:39 the day before is the day's 00:39), or one more of the same
// kind that the earlier scan passed over (a small double tide near
// midnight), each with stage times of its own, a minute to a quarter of an
// hour away from the earlier day's. The day's own solution counts: a stage
// of the day before is passed over when the day holds a turning point of
// the same kind from an hour before the earlier day's one (across midnight)
// up to the stage's minute.
constexpr int kSameTurningPointMinutes = 60;

bool supersededByDay(const TideExtreme& prev, const TideExtreme* cur, int targetMinutes) {
    if (prev.empty() || prev.kind == kUnclassified) return false;
    const int from = prev.minutes() - 24 * 60 - kSameTurningPointMinutes;
    for (int i = 0; i < kExtremeSlots; ++i)
        if (!cur[i].empty() && cur[i].kind == prev.kind && cur[i].minutes() >= from &&
            cur[i].minutes() <= targetMinutes)
            return true;
    return false;
}

}  // namespace

std::optional<Alert> scheduleAlert(const AlertDays& days, const AlertChoice& choice, int hour, int minute) {
    const LeadTime& lead = leadTimeOf(choice.lead);
    const int target = hour * 60 + minute + lead.minutes;
    int h = target / 60;
    const int m = target % 60;
    const int shownHour = h > 24 ? h - 24 : h;  // 24:MM is kept as such on the line
    const bool nextDay = h >= 24;
    if (nextDay) h -= 24;
    const TideExtreme* prev = nextDay ? days.today : days.yesterday;
    const TideExtreme* cur = nextDay ? days.tomorrow : days.today;
    TideExtreme noStages;  // stands in for an earlier day's slot the day's own solution supersedes
    noStages.hour = kNoHour;
    noStages.kind = kUnclassified;
    for (int i = 0; i < kExaminedSlots; ++i) {
        const TideExtreme& before = supersededByDay(prev[i], cur, h * 60 + m) ? noStages : prev[i];
        const std::optional<Event> e = matchSlot(before, cur[i], choice, h, m);
        if (!e) continue;
        Alert a;
        a.message = std::string(eventText(*e)) + lead.connector;
        a.remainder = lead.remainder;
        char line[32];
        std::snprintf(line, sizeof line, lead.minutes == 0 ? "★%02d:%02d　" : "→%02d:%02d　", shownHour, m);
        a.time = line;
        a.kind = kindOf(*e);
        return a;
    }
    return std::nullopt;
}

namespace {

int64_t minuteCount(const DateTime& d) {
    return daysFromCivil(d.year, d.month, d.day) * 1440 + d.hour * 60 + d.minute;
}

DateTime fromMinuteCount(int64_t n) {
    const int64_t days = n >= 0 ? n / 1440 : -((-n + 1439) / 1440);
    const int64_t inDay = n - days * 1440;
    int64_t y = 0, mo = 0, d = 0;
    civilFromDays(days, y, mo, d);
    return DateTime(static_cast<int>(y), static_cast<int>(mo), static_cast<int>(d), static_cast<int>(inDay / 60),
                    static_cast<int>(inDay % 60));
}

}  // namespace

std::vector<DateTime> alertMinutesToCheck(const std::optional<DateTime>& lastChecked, const DateTime& now) {
    const DateTime present(now.year, now.month, now.day, now.hour, now.minute);
    if (!lastChecked) return {present};
    const int64_t last = minuteCount(*lastChecked), n = minuteCount(present);
    const int64_t gap = n - last;
    if (gap == 0 || (gap < 0 && gap >= -kAlertCatchUpMinutes)) return {};
    if (gap < 0 || gap > kAlertCatchUpMinutes + 1) return {present};
    std::vector<DateTime> out;
    for (int64_t k = last + 1; k <= n; ++k) out.push_back(fromMinuteCount(k));
    return out;
}

}  // namespace marilo
