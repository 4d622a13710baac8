// Entry point of Marilo.exe.
#include <windows.h>

#include "app/win/tray_dlg.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    marilo::CTrayApp app;
    app.InitInstance();
    return app.ExitInstance();
}
