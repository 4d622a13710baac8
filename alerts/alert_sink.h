#pragma once
// Where the tray controller's alerts go: the alert window, which draws the
// three lines, slides out beside the taskbar and plays the sound. Tests put
// a recording double in its place.

#include "alerts/alert_scheduler.h"

namespace marilo {

class AlertSink {
public:
    virtual ~AlertSink() = default;
    // Draws the alert and shows it beside the taskbar; false when there is
    // no taskbar to show it by (the picture stays drawn for the next one).
    virtual bool showAlert(const Alert& alert) = 0;
    // The window's copy of Snd: whether showing an alert plays the sound.
    virtual void setSoundOn(bool on) = 0;
    // An alert waits for a busy user: only the tray icon blinks, as long as
    // it does for a shown alert, with no window and no sound.
    virtual void blinkOnly() = 0;
};

}  // namespace marilo
