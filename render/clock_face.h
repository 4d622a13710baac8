#pragma once
// The analog clock: drop shadow, dial, rim, hour marks and hands, from the
// clock settings, drawn at the surface's top-left corner, 16 x 16 or at the
// tray's icon size.

#include <windows.h>

#include "app/settings.h"
#include "render/clock_geometry.h"

namespace marilo {

// The tray variant expects a surface pre-filled with the transparent key
// 0x010101; the preview draws over whatever the control shows.
void drawClockFace(HDC dc, const AppSettings& s, int hour, int minute, ClockVariant variant, int size = 16);

}  // namespace marilo
