#pragma once
// Choosing the tidal event to announce: once a minute the scheduler looks a
// lead time ahead and, when an enabled event of the selected port falls
// exactly on that minute, composes the three lines of the alert. It is a pure
// function over the turning points and stage times of yesterday, today and
// tomorrow, which the caller solves once a day (solveAlertDays) and keeps.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calendar/date_time.h"
#include "engine/port_address.h"
#include "engine/tide_day.h"

namespace marilo {

// The window's background for the event: slack water, a falling stage, a
// rising stage.
enum AlertKind : int32_t { kAlertSlack = 0, kAlertFalling = 1, kAlertRising = 2 };

// The three lines of an alert (cp932) and its kind.
struct Alert {
    std::string message;    // event and connector: "上げ止まりに", "下げ３分まで"
    std::string remainder;  // "なりました。", "あと１５分です。"
    std::string time;       // "★14:07　" at the moment itself, "→09:40　" ahead of it
    AlertKind kind = kAlertSlack;
    bool operator==(const Alert&) const = default;
};

// One row of the lead-time table, indexed by the stored lead 0..6.
struct LeadTime {
    const char* listText;   // as the settings page lists it: "JUST", "５分前", ...
    int minutes;
    const char* connector;  // "に" at the moment, "まで" ahead of it
    const char* remainder;
};
constexpr int kLeadTimeCount = 7;
extern const LeadTime kLeadTimes[kLeadTimeCount];

// The row of a stored lead index. A value outside 0..6 (only an edited store
// holds one) has no row of its own and counts as 0, the moment itself.
const LeadTime& leadTimeOf(int32_t preTime);
// The lead index whose lead is `minutes` (0, 5, 15, 30, 60, 120, 180), or none.
std::optional<int32_t> preTimeOfLead(int minutes);

// The events the user has switched on and the lead (an index into
// kLeadTimes, as stored).
struct AlertChoice {
    bool slack = false;   // slack water at high and low water
    bool rise30 = false;  // 30% and 70% of the rise
    bool rise70 = false;
    bool fall30 = false;  // 30% and 70% of the fall
    bool fall70 = false;
    int32_t lead = 0;
};

// The turning points with their stage times of the three days around one
// date at one port: all the scheduler reads.
struct AlertDays {
    AlertDays();  // every slot empty
    PortAddress port;
    DateTime date;  // today, the date the minutes belong to
    TideExtreme yesterday[kExtremeSlots]{};
    TideExtreme today[kExtremeSlots]{};
    TideExtreme tomorrow[kExtremeSlots]{};
};

// Solves yesterday, today and tomorrow of `date` at the port, with stages.
AlertDays solveAlertDays(PortAddress port, const DateTime& date);

// The alert to announce at hour:minute of days.date, or none.
//
// The target is the present minute plus the lead. Slots 0 to 3 of a day are
// examined in order, and within a slot slack water, then the rising stages,
// then the falling stages; the first match wins. Stage times of the day
// before count with 24 added to their hour, as they are numbered from that
// day's 0:00. A target on the next day is looked up in tomorrow's solution
// and in today's stage times past midnight. Where the day's own
// solution holds the same turning point as the day before (or one more of
// the same kind before the stage), only the day's own stage times count,
// so no stage is announced twice.
//
// A target from 24:00 to 24:59 is the first hour of tomorrow and is looked up
// as such (its line still reads 24:MM): today's solution leaves its turning
// points after midnight unclassified from the third slot on, and without
// stage times, so looking for them there would lose the slack water and the
// stages of every turning point in that hour. Today's stage times past
// midnight are still found, through the next-day tests.
std::optional<Alert> scheduleAlert(const AlertDays& days, const AlertChoice& choice, int hour, int minute);

// Every announcement over `dayCount` days from `first` at the port, minute
// by minute in order, through the same scheduleAlert the tray runs. Each
// date is solved once, for the three days it belongs to.
void forEachAlert(PortAddress port, const DateTime& first, int dayCount, const AlertChoice& choice,
                  const std::function<void(const DateTime& minute, const Alert&)>& out);

// The minutes a tick at `now` has to check, in order, given the last minute
// checked (none before the first check). A tick in a new minute checks it;
// a late tick also checks the minutes it skipped, up to five of them. After
// a longer gap (sleep, a clock set forward) only the present minute is
// checked. A minute already checked is not checked again: a clock stepped
// back by up to five minutes waits until it has passed the last minute
// checked; one set back further starts again from the present minute.
std::vector<DateTime> alertMinutesToCheck(const std::optional<DateTime>& lastChecked, const DateTime& now);
constexpr int kAlertCatchUpMinutes = 5;

}  // namespace marilo
