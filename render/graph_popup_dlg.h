#pragma once
// The graph window (kGraphPopupTemplate): the tide graph in a small window of its
// own, opened with its bottom-right corner at the mouse, a cross-hair over
// the graph and a tip with the time and the level under the pointer. It is
// modal; the program's timers keep running in its loop. The picture and the
// tip come from the one solution it was opened with. It stays inside the
// work area of its monitor, follows a change of dpi (re-laid out through
// the graph frame) and of the theme. Left and Right move a readout line an
// hour (Shift: ten minutes) with the same tip beside it, and a screen reader
// reads the readout through the window's accessible object.

#include <windows.h>

#include <functional>
#include <vector>

#include "app/graph_day.h"
#include "app/tray_logic.h"
#include "base/theme.h"
#include "platform/accessible.h"
#include "platform/gdi.h"
#include "platform/window.h"
#include "render/graph_geometry.h"
#include "render/graph_window_logic.h"
#include "res/resource.h"  // its template

namespace marilo {

// What lets the window show 1 to 4 days from the one it opened with: the
// graphs of n days from it, the port (for the sun and the moon), and where
// the number of days is kept. Keys 1 to 4 and the system menu change it; the
// window keeps its bottom-right corner as it grows or shrinks.
struct GraphSpanSource {
    std::function<std::vector<GraphDay>(int days)> daysFrom;
    PortAddress port;
    int32_t* chosenDays = nullptr;
};

class CGraphPopupDlg final : public Dialog, private AccessibleContent {
public:
    // The style's theme is replaced by what `themes` says.
    CGraphPopupDlg(const GraphDay& day, const GraphStyle& style, ScreenPoint anchor, ThemeSource& themes);
    // Lets the window show more days; before runModal.
    void allowDays(GraphSpanSource source) { span_ = std::move(source); }

protected:
    std::optional<INT_PTR> handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void onInit();
    void onMouseMove(WPARAM wp, LPARAM lp);
    void onPaint();
    int shownDays() const;
    // Sizes the window for the style's frame and the days shown, with its
    // bottom-right corner at `anchor` where the work area allows, and paints
    // the picture.
    void layOut(ScreenPoint anchor);
    void relayOutInPlace();  // the same, keeping the window's bottom-right corner
    void addDayChoices();    // to the system menu
    bool onKey(WPARAM key);
    GraphSpanFrame shownFrame() const;  // of the days shown
    int readoutColumn() const;
    // AccessibleContent: the graph, and the readout as its one child.
    std::wstring accessibleName() override;
    long childCount() override { return 1; }
    std::wstring childName(long child) override;
    RECT childRect(long child) override;
    long focusedChild() override { return 1; }
    long childRole() override { return ROLE_SYSTEM_STATICTEXT; }

    GraphDay day_;
    GraphStyle style_;
    ScreenPoint anchor_;
    ThemeSource& themes_;
    DibSurface backing_;  // the painted graph, selected into its own surface
    HWND tip_ = nullptr;  // the tooltip control; this window owns it and takes it along when it goes
    GraphTip tipText_;
    GraphSpanSource span_;
    std::vector<GraphDay> days_;  // the days shown, from day_
    int readoutMinute_ = 0;       // from the first day's 0:00
    bool readoutShown_ = false;  // after the first key
    AccessibleObject accessible_;
};

}  // namespace marilo
