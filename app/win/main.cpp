// Entry point of Marilo.exe.
#include <windows.h>

#include "app/win/tray_dlg.h"
#include "calendar/clock.h"
#include "platform/text.h"

namespace {

// A testing aid: MARILO_NOW=YYYY-MM-DDTHH:MM starts the program's clock at
// that local time, from which it runs on in real time. A malformed value is
// reported once to the debugger and otherwise ignored.
void startClockFromEnvironment() {
    wchar_t value[64];
    const DWORD n = GetEnvironmentVariableW(L"MARILO_NOW", value, 64);
    if (n == 0) return;
    if (n < 64 && marilo::startClockFrom(marilo::narrow(value))) return;
    OutputDebugStringW(L"Marilo: MARILO_NOW is not a local time of the form YYYY-MM-DDTHH:MM; "
                       L"the system clock is used\n");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    startClockFromEnvironment();
    marilo::CTrayApp app;
    app.InitInstance();
    return app.ExitInstance();
}
