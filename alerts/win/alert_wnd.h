#pragma once
// CAlertWnd: the small, slightly translucent window that announces a tidal
// event. Created hidden with the tray window as its owner, it keeps its
// picture in a backing bitmap; an alert slides it out from behind the
// taskbar beside the notification area, plays the sound and makes the date
// icon blink, and it slides back after ten seconds or when clicked.

#include <windows.h>

#include <cstdint>
#include <functional>

#include "alerts/alert_layout.h"
#include "alerts/alert_scheduler.h"
#include "alerts/alert_sink.h"
#include "base/screen_scale.h"
#include "platform/handle.h"
#include "platform/window.h"
#include "res/resource.h"  // the wave resource of the sound

namespace marilo {

constexpr int kAlertWidth = 100;    // outer size at 96 dpi, scaled to the screen
constexpr int kAlertHeight = 80;
constexpr UINT_PTR kSlideTimerId = 1;  // one step every 50 ms
constexpr UINT_PTR kCloseTimerId = 2;  // slides back after kAlertShownMs
constexpr UINT kAlertShownMs = 10000;
constexpr UINT_PTR kBlinkTimerId = 3;  // the tray icon blinks every 500 ms
constexpr BYTE kAlertOpacity = 230;

class CAlertWnd final : public Window, public AlertSink {
public:
    // `updateDateIcons` redraws the date icons with the alert flag given
    // (the tray controller's UpdateDateIcons).
    explicit CAlertWnd(std::function<void(bool alert)> updateDateIcons);

    // Creates the window hidden, owned by `owner`, with its placeholder
    // picture; translucent where the system offers layered windows.
    bool CreateAlertWindow(HWND owner);
    // Draws the picture of an alert (cp932 lines) into the backing bitmap; it
    // neither shows nor repaints the window.
    void SetAlertText(const char* message, const char* remainder, const char* time, int32_t kind);
    // Places the window against the taskbar and starts the slide-in; false
    // when there is no taskbar (nothing is shown then).
    bool ShowAlert();
    void SlideIn();
    void SlideOut();

    // AlertSink: the tray controller's alerts and its copy of Snd.
    bool showAlert(const Alert& alert) override;
    void setSoundOn(bool on) override { soundOn = on; }

    bool soundOn = true;
    HBITMAP backing() const { return backing_.get(); }
    AlertPlacement placement() const { return {shownPos_, hiddenPos_}; }
    // Places without a taskbar in sight, for tests.
    void setPlacement(const AlertPlacement& p) { shownPos_ = p.shown, hiddenPos_ = p.hidden; }
    // How long an alert stays before it slides back (10 s; shorter in tests).
    void setCloseAfter(UINT ms) { closeAfterMs_ = ms; }

protected:
    LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void onCreate();
    void onPaint();
    void onSlideTimer();
    void startTimer(UINT_PTR id, UINT ms, bool& running);
    void stopTimer(UINT_PTR id, bool& running);
    void moveTo(ScreenPoint p);

    std::function<void(bool)> updateDateIcons_;
    bool slidingOut_ = true;
    ScreenPoint shownPos_, hiddenPos_, targetPos_;
    Bitmap backing_;
    bool slideTimer_ = false, closeTimer_ = false, blinkTimer_ = false;
    bool blinkOn_ = false;
    UINT closeAfterMs_ = kAlertShownMs;
    HWND owner_ = nullptr;
    int dpi_ = kBaseDpi;  // of the owner's monitor at creation: sizes, places and fonts of the picture
};

// Makes `w` the foreground window, borrowing the input of the thread whose
// window is in the foreground now.
void BringToForeground(HWND w);

}  // namespace marilo
