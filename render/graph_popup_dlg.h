#pragma once
// The graph window (kGraphPopupTemplate): the tide graph in a small window of its
// own, opened with its bottom-right corner at the mouse, a cross-hair over
// the graph and a tip with the time and the level under the pointer. It is
// modal; the program's timers keep running in its loop. The picture and the
// tip come from the one solution it was opened with. Left and Right move a
// readout line an hour (Shift: ten minutes) with the same tip beside it, and
// a screen reader reads the readout through the window's accessible object.

#include <windows.h>

#include "app/graph_day.h"
#include "app/tray_logic.h"
#include "platform/accessible.h"
#include "platform/gdi.h"
#include "platform/window.h"
#include "render/graph_geometry.h"
#include "render/graph_window_logic.h"
#include "res/resource.h"  // its template

namespace marilo {

class CGraphPopupDlg final : public Dialog, private AccessibleContent {
public:
    CGraphPopupDlg(const GraphDay& day, const GraphStyle& style, ScreenPoint anchor);

protected:
    std::optional<INT_PTR> handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void onInit();
    void onMouseMove(WPARAM wp, LPARAM lp);
    void onPaint();
    bool onKey(WPARAM key);
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
    DibSurface backing_;  // the painted graph, selected into its own surface
    HWND tip_ = nullptr;  // the tooltip control; this window owns it and takes it along when it goes
    GraphTip tipText_;
    int readoutMinute_ = 0;
    bool readoutShown_ = false;  // after the first key
    AccessibleObject accessible_;
};

}  // namespace marilo
