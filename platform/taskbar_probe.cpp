#include "platform/taskbar_probe.h"

#include "platform/handle.h"
#include "platform/optional_function.h"
#include "platform/registry.h"

namespace marilo {

int taskbarDpi(HWND owner) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    if (const auto dpiForWindow = optionalFunction<DpiForWindow>(L"user32.dll", "GetDpiForWindow")) {
        HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
        const UINT dpi = dpiForWindow(taskbar ? taskbar : owner);
        if (dpi != 0) return static_cast<int>(dpi);
    }
    const ScreenDc screen;
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

int systemSmallIconSize(int dpi) {
    using MetricsForDpi = int(WINAPI*)(int, UINT);
    const auto metricsForDpi = optionalFunction<MetricsForDpi>(L"user32.dll", "GetSystemMetricsForDpi");
    const int size = metricsForDpi ? metricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi)) : 0;
    return size > 0 ? size : 0;
}

bool taskbarIsDark() {
    const auto light = userDword(L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                                 L"SystemUsesLightTheme");
    return light && *light == 0;
}

}  // namespace marilo
