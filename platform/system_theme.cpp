#include "platform/system_theme.h"

#include <cwchar>

#include "platform/optional_function.h"
#include "platform/registry.h"

namespace marilo {

namespace {

// Absent (every system before the dark app theme) or anything but 0 is light.
bool appsUseDarkTheme() {
    return userDword(L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", L"AppsUseLightTheme") ==
           DWORD{0};
}

bool highContrastOn() {
    wchar_t aid[8] = {};
    const DWORD n = GetEnvironmentVariableW(L"MARILO_HIGH_CONTRAST", aid, 8);
    if (n > 0 && n < 8) return std::wcscmp(aid, L"0") != 0;
    HIGHCONTRASTW hc{};
    hc.cbSize = sizeof hc;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// The DWM's attribute, looked up at run time: systems before Vista have no dwmapi.
using SetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);

}  // namespace

Theme readSystemTheme() {
    Theme t;
    t.darkApps = appsUseDarkTheme();
    t.highContrast = highContrastOn();
    if (t.highContrast) {
        t.system.window = GetSysColor(COLOR_WINDOW);
        t.system.windowText = GetSysColor(COLOR_WINDOWTEXT);
        t.system.highlight = GetSysColor(COLOR_HIGHLIGHT);
        t.system.highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
        t.system.grayText = GetSysColor(COLOR_GRAYTEXT);
    }
    return t;
}

void useDarkTitleBar(HWND window, bool dark) {
    const auto set = optionalFunction<SetAttributeFn>(L"dwmapi.dll", "DwmSetWindowAttribute");
    if (!set || !window) return;
    const BOOL on = dark ? TRUE : FALSE;
    // 20 is DWMWA_USE_IMMERSIVE_DARK_MODE; builds before 18985 took 19.
    if (FAILED(set(window, 20, &on, sizeof on))) set(window, 19, &on, sizeof on);
}

bool themeMayHaveChanged(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SYSCOLORCHANGE) return true;
    if (msg != WM_SETTINGCHANGE) return false;
    if (wp == SPI_SETHIGHCONTRAST) return true;
    return lp && std::wcscmp(reinterpret_cast<const wchar_t*>(lp), L"ImmersiveColorSet") == 0;
}

}  // namespace marilo
