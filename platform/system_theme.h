#pragma once
// What the system tells of the look it wants: the theme (the dark app
// theme, high contrast with its colours) and a dark title bar for a window.
//
// A testing aid: MARILO_HIGH_CONTRAST=1 (or 0) stands in for the system's
// answer on high contrast, which Wine always gives as off; the colours are
// still the system's.

#include <windows.h>

#include "base/theme.h"

namespace marilo {

// AppsUseLightTheme (absent: light), SPI_GETHIGHCONTRAST and the system
// colours; read anew on every call.
Theme readSystemTheme();

class SystemThemeSource final : public ThemeSource {
public:
    Theme theme() override { return readSystemTheme(); }
};

// Asks for a dark (or light) title bar; systems that cannot ignore it.
void useDarkTitleBar(HWND window, bool dark);

// Whether a WM_SETTINGCHANGE or WM_SYSCOLORCHANGE may have changed the theme.
bool themeMayHaveChanged(UINT msg, WPARAM wp, LPARAM lp);

}  // namespace marilo
