#pragma once
// The 16 x 16 analog clock: drop shadow, dial, rim, hour marks and hands,
// from the clock settings, drawn at the surface's top-left corner.

#include <windows.h>

#include "app/settings.h"
#include "render/clock_geometry.h"

namespace marilo {

// The tray variant expects a surface pre-filled with the transparent key
// 0x010101; the preview draws over whatever the control shows.
void drawClockFace(HDC dc, const AppSettings& s, int hour, int minute, ClockVariant variant);

}  // namespace marilo
