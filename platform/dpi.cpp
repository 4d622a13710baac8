#include "platform/dpi.h"

#include "base/screen_scale.h"

namespace marilo {

namespace {

// Looked up at run time: GetDpiForWindow from Windows 10, GetDpiForMonitor
// from Windows 8.1 (shcore); neither exists on older systems.
using DpiForWindowFn = UINT(WINAPI*)(HWND);
using DpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

template <class Fn>
Fn lookUp(const wchar_t* module, const char* name) {
    HMODULE m = GetModuleHandleW(module);
    if (!m) m = LoadLibraryW(module);  // a system DLL, left loaded for the run
    return m ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m, name))) : nullptr;
}

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return screenDpiOrBase(dpi);
}

int monitorDpi(HMONITOR monitor) {
    const auto forMonitor = lookUp<DpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (monitor && forMonitor && SUCCEEDED(forMonitor(monitor, 0 /* MDT_EFFECTIVE_DPI */, &x, &y)))
        return screenDpiOrBase(static_cast<int>(x));
    return screenDpi();
}

}  // namespace

int dpiOfWindow(HWND window) {
    const auto forWindow = lookUp<DpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    if (window && forWindow) {
        const int dpi = static_cast<int>(forWindow(window));
        if (dpi > 0) return screenDpiOrBase(dpi);
    }
    return window ? monitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY)) : screenDpi();
}

int dpiAtPoint(POINT point) { return monitorDpi(MonitorFromPoint(point, MONITOR_DEFAULTTOPRIMARY)); }

}  // namespace marilo
