#include "settings_ui/win/clock_page.h"

#include <commdlg.h>

#include "calendar/date_time.h"
#include "platform/gdi.h"
#include "render/clock_face.h"
#include "res/settings_ids.h"
#include "settings_ui/win/controls.h"

namespace marilo {

namespace {

struct ColorButton {
    int id;
    uint32_t AppSettings::*color;
};
constexpr ColorButton kColorButtons[] = {
    {IDC_CLOCK_COL_PLATE, &AppSettings::ColPlate}, {IDC_CLOCK_COL_FRAME, &AppSettings::ColFrame},
    {IDC_CLOCK_COL_LONG, &AppSettings::ColLong},   {IDC_CLOCK_COL_SHORT, &AppSettings::ColShort},
    {IDC_CLOCK_COL_TICKS, &AppSettings::ColTicks},
};

struct Switch {
    int id;
    bool AppSettings::*on;
};
constexpr Switch kSwitches[] = {
    {IDC_CLOCK_PLATE, &AppSettings::IsPlate},
    {IDC_CLOCK_FRAME, &AppSettings::IsFrame},
    {IDC_CLOCK_TICKS, &AppSettings::IsTicks},
    {IDC_CLOCK_SHADOW, &AppSettings::IsShadow},
};

const ColorButton* colorButton(int id) {
    for (const ColorButton& b : kColorButtons)
        if (b.id == id) return &b;
    return nullptr;
}

void fill(HDC dc, int l, int t, int r, int b, COLORREF color) {
    const RECT rc{l, t, r, b};
    const Brush brush = solidBrush(color);
    FillRect(dc, &rc, brush.get());
}

}  // namespace

void drawSwatch(HDC dc, int w, int h, COLORREF color) {
    fill(dc, 0, 0, w, h, RGB(255, 255, 255));
    fill(dc, 1, 1, 1 + w, 1 + h, RGB(100, 100, 100));
    fill(dc, 1, 1, w - 1, h - 1, color);
}

CClockPage::CClockPage(SettingsModel& model) : SettingsPage(IDD_CLOCK_PAGE, model) {}

void CClockPage::read() {
    for (const Switch& s : kSwitches) model_.values.*s.on = isChecked(hwnd(), s.id);
}

void CClockPage::repaintPreview() {
    HWND preview = GetDlgItem(hwnd(), IDC_CLOCK_PREVIEW);
    InvalidateRect(preview, nullptr, TRUE);
    UpdateWindow(preview);
}

void CClockPage::chooseColor(int buttonId) {
    const ColorButton* b = colorButton(buttonId);
    if (!b) return;
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = GetAncestor(hwnd(), GA_ROOT);
    cc.rgbResult = model_.values.*b->color;
    cc.lpCustColors = customColors_.data();
    cc.Flags = CC_RGBINIT;
    if (ChooseColorW(&cc)) model_.values.*b->color = cc.rgbResult;  // a cancel keeps the colour
    InvalidateRect(GetDlgItem(hwnd(), buttonId), nullptr, TRUE);
    repaintPreview();
}

void CClockPage::drawPreview(HDC dc, const RECT& rc) {
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    const DateTime now;  // the program's clock
    drawClockFace(dc, model_.values, now.hour, now.minute, ClockVariant::Preview);
    setControlText(hwnd(), IDC_CLOCK_TIME, shownText(previewTimeLabel(now.hour, now.minute)));
}

std::optional<INT_PTR> CClockPage::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG: {
            for (const Switch& s : kSwitches) setChecked(hwnd(), s.id, model_.values.*s.on);
            // The face is 16 x 16 pixels, whatever the dialog's units come to.
            RECT rc;
            HWND preview = GetDlgItem(hwnd(), IDC_CLOCK_PREVIEW);
            GetWindowRect(preview, &rc);
            MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&rc), 2);
            SetWindowPos(preview, nullptr, rc.left, rc.top, 16, 16, SWP_NOZORDER | SWP_NOACTIVATE);
            return FALSE;
        }
        case WM_COMMAND:
            if (HIWORD(wp) != BN_CLICKED) return std::nullopt;
            if (colorButton(LOWORD(wp))) {
                chooseColor(LOWORD(wp));
            } else {
                read();
                repaintPreview();
            }
            return TRUE;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (item->CtlID == IDC_CLOCK_PREVIEW) {
                drawPreview(item->hDC, item->rcItem);
            } else if (const ColorButton* b = colorButton(static_cast<int>(item->CtlID))) {
                drawSwatch(item->hDC, item->rcItem.right - item->rcItem.left, item->rcItem.bottom - item->rcItem.top,
                           model_.values.*b->color);
            } else {
                return std::nullopt;
            }
            return TRUE;
        }
        default: return std::nullopt;
    }
}

}  // namespace marilo
