#include "platform/dpi.h"

#include "base/screen_scale.h"
#include "platform/handle.h"
#include "platform/optional_function.h"

namespace marilo {

namespace {

// Looked up at run time: GetDpiForWindow from Windows 10, GetDpiForMonitor
// from Windows 8.1 (shcore); neither exists on older systems.
using DpiForWindowFn = UINT(WINAPI*)(HWND);
using DpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

int screenDpi() {
    const ScreenDc screen;
    return screenDpiOrBase(screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0);
}

int monitorDpi(HMONITOR monitor) {
    const auto forMonitor = optionalFunction<DpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (monitor && forMonitor && SUCCEEDED(forMonitor(monitor, 0 /* MDT_EFFECTIVE_DPI */, &x, &y)))
        return screenDpiOrBase(static_cast<int>(x));
    return screenDpi();
}

ScreenRect rectOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

ScreenRect workAreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (monitor && GetMonitorInfoW(monitor, &info)) return rectOf(info.rcWork);
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return rectOf(work);
}

}  // namespace

int dpiOfWindow(HWND window) {
    const auto forWindow = optionalFunction<DpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    if (window && forWindow) {
        const int dpi = static_cast<int>(forWindow(window));
        if (dpi > 0) return screenDpiOrBase(dpi);
    }
    return window ? monitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY)) : screenDpi();
}

int dpiAtPoint(POINT point) { return monitorDpi(MonitorFromPoint(point, MONITOR_DEFAULTTOPRIMARY)); }

ScreenRect workAreaOfWindow(HWND window) { return workAreaOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)); }

ScreenRect workAreaAt(POINT point) { return workAreaOf(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST)); }

}  // namespace marilo
