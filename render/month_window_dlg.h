#pragma once
// The month window (kMonthWindowTemplate): the month picture of a port in a window of
// its own, with a menu bar to step a month back (◀ 前月, PageUp) or forward
// (翌月 ▶, PageDown), to come back to this month (今月, Home), to copy the
// picture (コピー, Ctrl+C) and to save it as a PNG file through the standard
// save dialog (PNG 保存...) and to print it on one page through the standard
// print dialog (印刷..., Ctrl+P). Hovering a day shows its sunrise, sunset,
// civil twilight, moonrise and moonset in a tip. Esc closes it. The arrow
// keys move a focus frame among the days (into the month before or after at
// the edges), the focused day showing the same tip, and Enter opens it in
// the graph window; screen readers read the focused day through the
// window's accessible object. It is modal, so there is one at a
// time, and the program's timers keep running in its loop. Sized to fit the
// picture at the screen's DPI inside the work area of its monitor; where it
// does not fit, the picture is laid out smaller (month_fit.h) and, below
// the readable size, scrolls. It follows a change of dpi (another monitor,
// another scale) and of the theme (dark, high contrast).

#include <windows.h>

#include <functional>
#include <string>

#include "base/screen_geometry.h"
#include "calendar/color_rules.h"
#include "calendar/date_time.h"
#include "engine/port_address.h"
#include "platform/accessible.h"
#include "platform/gdi.h"
#include "platform/pointer_tip.h"
#include "platform/window.h"
#include "base/theme.h"
#include "render/month_fit.h"
#include "render/month_focus.h"
#include "render/month_geometry.h"
#include "res/resource.h"  // its template and the commands of its menu bar

namespace marilo {

class CMonthDlg final : public Dialog, private AccessibleContent {
public:
    // Opens a day in the graph window, owned by `owner`, its corner at `anchor`.
    using OpenDay = std::function<void(HWND owner, const DateTime& day, ScreenPoint anchor)>;
    // The month of `shown` at `port`, the focus on that day; `now` marks today.
    CMonthDlg(PortAddress port, const RuleList& rules, const DateTime& now, const DateTime& shown,
              ThemeSource& themes, OpenDay openDay = nullptr);

protected:
    std::optional<INT_PTR> handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void show();  // builds the picture of year_/month_ and fits the window to it
    void onPaint();
    void onScroll(int bar, int request);
    void scrollTo(int x, int y);
    bool onCommand(int id);
    void save();
    void print();
    void onMouseMove(WPARAM wp, LPARAM lp);
    // The focus on another day, the month turned with it when it left the one shown.
    void moveFocus(const MonthFocus& to);
    void openFocusedDay();
    RECT cellRect(int day) const;
    RECT focusRect() const;
    int dayAt(LPARAM lp) const;
    void scrollToFocus();
    void showFocusTip();
    // AccessibleContent: the days of the month shown.
    std::wstring accessibleName() override;
    long childCount() override;
    std::wstring childName(long child) override;
    RECT childRect(long child) override;
    long focusedChild() override;

    PortAddress port_;
    const RuleList& rules_;
    DateTime now_;
    int32_t year_;
    int32_t month_;
    ThemeSource& themes_;
    Theme theme_;
    int dpi_ = 96;  // of the monitor the window is on
    bool placed_ = false;
    MonthFit fit_;
    ScreenPoint scroll_;  // the picture's point at the client area's top-left corner
    MonthFocus focus_{};
    OpenDay openDay_;
    AccessibleObject accessible_;
    MonthPicture picture_{};
    Scene scene_;
    DibSurface backing_;
    PointerTip tip_;
    int tipDay_ = -1;  // the day the tip names, 0 for none
};

}  // namespace marilo
