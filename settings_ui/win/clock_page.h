#pragma once
// The 時計 page: the clock's four switches, its five colours as swatch
// buttons that open the system's colour chooser, and a preview of the face
// drawn from the page's current values with the time it shows.

#include <array>

#include "settings_ui/win/settings_page.h"

namespace marilo {

// A colour button's face, w x h pixels: a white edge at the top and left, a
// dark grey one at the right and bottom, the colour inside.
void drawSwatch(HDC dc, int w, int h, COLORREF color);

class CClockPage final : public SettingsPage {
public:
    explicit CClockPage(SettingsModel& model);
    void read() override;

protected:
    std::optional<INT_PTR> handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void repaintPreview();
    void chooseColor(int buttonId);
    void drawPreview(HDC dc, const RECT& rc);

    std::array<COLORREF, 16> customColors_{};  // the chooser's own row, kept while the dialog is open
};

}  // namespace marilo
