#pragma once
// Whether an alert may slide in and sound now, or waits because the user is
// busy: running a full-screen program, presenting, or in quiet time. The
// system answers with one of the states below; only "accepts
// notifications" lets an alert through, since what the other states cover
// (focus sessions among them) differs between versions. A held alert is
// shown when the state returns to accepting within the hour after its
// minute, still with the time it was due; later it is dropped, and only the
// tray icon's blink, which starts as usual, told of it.

#include <cstdint>
#include <optional>

#include "alerts/alert_scheduler.h"
#include "calendar/date_time.h"

namespace marilo {

// The system's user notification states.
enum class UserState : int32_t {
    NotPresent = 1,     // the screen is locked or the session is elsewhere
    Busy = 2,           // a full-screen program
    FullScreen3d = 3,   // a full-screen game
    Presentation = 4,   // presentation settings are on
    Accepts = 5,        // notifications are welcome
    QuietTime = 6,      // the first hour after a new user's first sign-in, or a focus time
    App = 7,            // a full-screen store app
};

enum class AlertRelease { Show, Hold, Drop };

// The minutes a held alert may still be shown after the minute it was due.
constexpr int kAlertHoldMinutes = 60;

// What becomes of an alert due at `due` at `now`: shown when the setting to
// stay quiet is off or the user accepts notifications, held while busy
// within the hour, dropped after it (also a clock set back before `due`
// by more than the hour counts as after).
AlertRelease alertRelease(UserState state, bool quietWhileBusy, const DateTime& due, const DateTime& now);

// The one alert waiting for the user (the latest; a newer alert replaces
// it). offer() decides a new alert, poll() a waiting one on later ticks.
class HeldAlert {
public:
    // The alert to show now, if any; otherwise it waits (or is dropped).
    std::optional<Alert> offer(const Alert& alert, const DateTime& due, UserState state, bool quietWhileBusy,
                               const DateTime& now);
    std::optional<Alert> poll(UserState state, bool quietWhileBusy, const DateTime& now);
    bool waiting() const { return held_.has_value(); }
    void clear() { held_.reset(); }

private:
    struct Waiting {
        Alert alert;
        DateTime due;
    };
    std::optional<Waiting> held_;
};

}  // namespace marilo
