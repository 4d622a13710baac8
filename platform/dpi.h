#pragma once
// The dpi and the work area of the monitor a window or a screen point is
// on, for laying out what is drawn there and placing the window. Windows 10 and later tell it per monitor (when the
// program is aware of it); older systems only the screen's one value, which
// then stands for every monitor.

#include <windows.h>

#include "base/screen_geometry.h"

namespace marilo {

int dpiOfWindow(HWND window);
int dpiAtPoint(POINT point);

// The work area of the monitor nearest to the window, or to the point.
ScreenRect workAreaOfWindow(HWND window);
ScreenRect workAreaAt(POINT point);

}  // namespace marilo
