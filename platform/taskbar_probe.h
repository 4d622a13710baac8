#pragma once
// What the system says about the taskbar the notification icons sit on:
// the dpi they are drawn at, their size, and whether the taskbar is dark.

#include <windows.h>

namespace marilo {

// The dpi the taskbar's icons are drawn at: the taskbar's own on systems
// that know a dpi per window (Windows 10 and later; `owner`'s when there is
// no taskbar), the screen's otherwise.
int taskbarDpi(HWND owner);
// The small-icon size at a dpi as the system states it (Windows 10 and
// later); 0 where the system cannot say.
int systemSmallIconSize(int dpi);
// True when SystemUsesLightTheme under the Personalize key is 0; absent
// (every system before the dark taskbar) or anything else is light.
bool taskbarIsDark();

}  // namespace marilo
