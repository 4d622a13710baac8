#pragma once
// The dpi of the monitor a window or a screen point is on, for laying out
// what is drawn there. Windows 10 and later tell it per monitor (when the
// program is aware of it); older systems only the screen's one value, which
// then stands for every monitor.

#include <windows.h>

namespace marilo {

int dpiOfWindow(HWND window);
int dpiAtPoint(POINT point);

}  // namespace marilo
