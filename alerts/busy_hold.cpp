#include "alerts/busy_hold.h"

namespace marilo {

namespace {

// Minutes from `from` to `to` on the calendar, both taken to the minute.
int64_t minutesBetween(const DateTime& from, const DateTime& to) {
    const int64_t days = daysFromCivil(to.year, to.month, to.day) - daysFromCivil(from.year, from.month, from.day);
    return days * 1440 + (to.hour * 60 + to.minute) - (from.hour * 60 + from.minute);
}

}  // namespace

AlertRelease alertRelease(UserState state, bool quietWhileBusy, const DateTime& due, const DateTime& now) {
    const int64_t late = minutesBetween(due, now);
    if (late < -kAlertHoldMinutes || late >= kAlertHoldMinutes) return AlertRelease::Drop;
    if (!quietWhileBusy || state == UserState::Accepts) return AlertRelease::Show;
    return AlertRelease::Hold;
}

std::optional<Alert> HeldAlert::offer(const Alert& alert, const DateTime& due, UserState state, bool quietWhileBusy,
                                      const DateTime& now) {
    held_ = Waiting{alert, due};
    return poll(state, quietWhileBusy, now);
}

std::optional<Alert> HeldAlert::poll(UserState state, bool quietWhileBusy, const DateTime& now) {
    if (!held_) return std::nullopt;
    switch (alertRelease(state, quietWhileBusy, held_->due, now)) {
        case AlertRelease::Hold: return std::nullopt;
        case AlertRelease::Drop: held_.reset(); return std::nullopt;
        case AlertRelease::Show: break;
    }
    const Alert shown = held_->alert;
    held_.reset();
    return shown;
}

}  // namespace marilo
