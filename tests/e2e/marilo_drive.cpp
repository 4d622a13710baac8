// Drives a running Marilo.exe from outside, for the end-to-end tests and the
// Wine bench: waits for its window, sends it commands and tray messages,
// takes its icons away as a restarted taskbar would have lost them.
//   marilo_drive wait-window SECONDS     exit 0 once the main window exists
//   marilo_drive wait-gone SECONDS       exit 0 once it no longer exists
//   marilo_drive command ID              post a menu command (32772 = Exit)
//   marilo_drive tray ICON MESSAGE       post the tray callback (kTrayCallbackMessage) as the shell does in its version-4
//                                        format, the anchor where the mouse is
//   marilo_drive tray-at ICON EVENT X Y  the same with the anchor at X Y (0x401 NIN_KEYSELECT, 0x7B WM_CONTEXTMENU)
//   marilo_drive keys KEY...             real key events to the focused window: tab, shift+tab, ctrl+tab,
//                                        right, left, return, escape, space, or a virtual-key number
//   marilo_drive read-month              the accessible name of the month window's focused day, UTF-8
//   marilo_drive read-graph              the accessible names of the graph window and its readout, UTF-8
//   marilo_drive balloon                 the texts of the taskbar's notifications that are showing, UTF-8
//   marilo_drive drop-icons              delete icons 0..10 of its window
//   marilo_drive taskbar-created         post the "TaskbarCreated" message
//   marilo_drive setting-change AREA     send it (and an open month window) WM_SETTINGCHANGE naming AREA
//                                        (e.g. ImmersiveColorSet)
//   marilo_drive close-dialog            press OK on its About box
//   marilo_drive close-menu              press Escape on an open popup menu
//   marilo_drive end-session             tell it the session is ending (WM_ENDSESSION)
//   marilo_drive memory                  its working set and private bytes, in KiB
//   marilo_drive tips                    the tooltip texts of the taskbar's notification icons, UTF-8
//   marilo_drive alert                   the alert window: "VISIBLE X Y W H" and the taskbar's "L T R B"
//   marilo_drive click-alert             click the alert window (left button released)
//   marilo_drive mouse-click X Y [right] move the mouse to the screen point and click the left (or right) button
//   marilo_drive mouse-move X Y          move the mouse to the screen point
//   marilo_drive menu-rects              left top right bottom of each open popup menu, one a line
//   marilo_drive menu-key VK             press a key (a virtual-key number) in the innermost open menu
//   marilo_drive graph-window            left top right bottom of its graph window and of its client area
//   marilo_drive graph-key VK            a key press in the graph window
//   marilo_drive type TEXT               TEXT typed on the keyboard (as Unicode key events) into the focus
//   marilo_drive key VK [ctrl]           a real key press and release, Ctrl held when asked
//   marilo_drive graph-syscommand ID     an item of the graph window's system menu
//   marilo_drive shown-tips              the texts of its own tooltips that are showing, UTF-8
//   marilo_drive clipboard-bitmap        width and height of the bitmap on the clipboard
//   marilo_drive month-window            its month window: the title; the client area's width and height;
//                                        its top-left corner on the screen; the window's left top right
//                                        bottom; the work area of its monitor (one a line)
//   marilo_drive month-dpi DPI           tell the month window its monitor's dpi changed (WM_DPICHANGED)
//   marilo_drive dialog-wait, click, select, settext, tab, arrow, get, press, focus ...
//                                        its dialogs' controls (see drive_dialogs.cpp)
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <string_view>
#include <vector>

#include "res/resource.h"

int driveDialogs(HWND main, int argc, wchar_t** argv);

namespace {


// The unowned dialog titled "Marilo": the program's message boxes carry the
// same title, but they have an owner.
HWND mainWindow() {
    HWND w = nullptr;
    while ((w = FindWindowExW(nullptr, w, L"#32770", L"Marilo")) != nullptr)
        if (!GetWindow(w, GW_OWNER)) return w;
    return nullptr;
}

bool waitFor(bool present, double seconds) {
    for (int i = 0; i < static_cast<int>(seconds * 10); ++i) {
        if ((mainWindow() != nullptr) == present) return true;
        Sleep(100);
    }
    return (mainWindow() != nullptr) == present;
}

BOOL CALLBACK findAbout(HWND hwnd, LPARAM out) {
    wchar_t cls[32] = {};
    GetClassNameW(hwnd, cls, 32);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    DWORD mainPid = 0;
    GetWindowThreadProcessId(mainWindow(), &mainPid);
    if (pid == mainPid && wcscmp(cls, L"#32770") == 0 && hwnd != mainWindow() && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void printUtf8(const wchar_t* text) {
    char out[1024];
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof out, nullptr, nullptr);
    if (n > 0) std::printf("%s\n", out);
}

// The tooltip controls of the taskbar's process keep one tool per icon; their
// texts are read through memory of that process.
BOOL CALLBACK collectTips(HWND hwnd, LPARAM out) {
    wchar_t cls[64] = {};
    GetClassNameW(hwnd, cls, 64);
    // Under common controls 6 the class carries its version: "6.0...!tooltips_class32".
    const wchar_t* bang = wcsrchr(cls, L'!');
    if (wcscmp(bang ? bang + 1 : cls, L"tooltips_class32") == 0)
        reinterpret_cast<std::vector<HWND>*>(out)->push_back(hwnd);
    return TRUE;
}

int printTips(DWORD pid, bool shownOnly) {
    std::vector<HWND> tips;
    EnumWindows(collectTips, reinterpret_cast<LPARAM>(&tips));
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return 1;
    const SIZE_T size = sizeof(TTTOOLINFOW) + 1024 * sizeof(wchar_t);
    auto* remote = static_cast<unsigned char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    for (HWND tip : tips) {
        DWORD owner = 0;
        GetWindowThreadProcessId(tip, &owner);
        if (owner != pid || (shownOnly && !IsWindowVisible(tip))) continue;
        const LRESULT count = SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            TTTOOLINFOW info{};
            info.cbSize = sizeof info;
            info.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof info);
            WriteProcessMemory(process, remote, &info, sizeof info, nullptr);
            if (!SendMessageW(tip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote))) continue;
            wchar_t text[1024] = {};
            ReadProcessMemory(process, remote + sizeof info, text, sizeof text - sizeof(wchar_t), nullptr);
            printUtf8(text);
        }
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return 0;
}

DWORD processOf(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

void sendMouse(int x, int y, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof in);
}

BOOL CALLBACK collectMenus(HWND hwnd, LPARAM out) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (wcscmp(cls, L"#32768") == 0 && IsWindowVisible(hwnd)) reinterpret_cast<std::vector<HWND>*>(out)->push_back(hwnd);
    return TRUE;
}

// The month window: Marilo's visible window whose title begins 月間潮見表.
BOOL CALLBACK findMonthWindow(HWND hwnd, LPARAM out) {
    wchar_t title[128] = {};
    GetWindowTextW(hwnd, title, 128);
    if (processOf(hwnd) == processOf(mainWindow()) && IsWindowVisible(hwnd) &&
        std::wstring_view(title).substr(0, 5) == L"月間潮見表") {
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK findGraphWindow(HWND hwnd, LPARAM out) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    // Marilo's own tool window: its message boxes, titled alike, are none.
    if (wcscmp(cls, L"#32770") == 0 && processOf(hwnd) == processOf(mainWindow()) && IsWindowVisible(hwnd) &&
        (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) && hwnd != mainWindow()) {
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// IID_IAccessible, spelt out: MinGW's import library has another value.
constexpr GUID kIidAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// The names a screen reader would read in a window: its client object's,
// then its focused child's.
int printAccessibleNames(HWND window) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* client = nullptr;
    const HRESULT got = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                                   reinterpret_cast<void**>(&client));
    if (FAILED(got) || !client) {
        std::fprintf(stderr, "marilo_drive: no accessible object (0x%08lx)\n", static_cast<unsigned long>(got));
        CoUninitialize();
        return 1;
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (SUCCEEDED(client->get_accName(self, &name)) && name) {
        std::wstring line = L"name: ";
        line += name;
        printUtf8(line.c_str());
        SysFreeString(name);
    }
    VARIANT focus;
    VariantInit(&focus);
    int result = 1;
    if (client->get_accFocus(&focus) == S_OK && focus.vt == VT_I4) {
        name = nullptr;
        if (SUCCEEDED(client->get_accName(focus, &name)) && name) {
            std::wstring line = L"focus: ";
            line += name;
            printUtf8(line.c_str());
            SysFreeString(name);
            result = 0;
        }
    } else {
        std::fprintf(stderr, "marilo_drive: no focused child\n");
    }
    client->Release();
    CoUninitialize();
    return result;
}

// One chord such as "ctrl+shift+tab": its keys pressed in order and released
// in reverse, as the keyboard does.
bool pressKeys(std::wstring_view chord) {
    std::vector<WORD> keys;
    while (true) {
        const size_t plus = chord.find(L'+');
        const std::wstring_view part = chord.substr(0, plus);
        WORD vk = 0;
        if (part == L"ctrl") vk = VK_CONTROL;
        else if (part == L"shift") vk = VK_SHIFT;
        else if (part == L"alt") vk = VK_MENU;
        else if (part == L"tab") vk = VK_TAB;
        else if (part == L"right") vk = VK_RIGHT;
        else if (part == L"left") vk = VK_LEFT;
        else if (part == L"up") vk = VK_UP;
        else if (part == L"down") vk = VK_DOWN;
        else if (part == L"return") vk = VK_RETURN;
        else if (part == L"escape") vk = VK_ESCAPE;
        else if (part == L"space") vk = VK_SPACE;
        else vk = static_cast<WORD>(std::wcstol(std::wstring(part).c_str(), nullptr, 0));
        if (vk == 0) return false;
        keys.push_back(vk);
        if (plus == std::wstring_view::npos) break;
        chord.remove_prefix(plus + 1);
    }
    std::vector<INPUT> in;
    for (WORD vk : keys) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        in.push_back(i);
    }
    for (auto k = keys.rbegin(); k != keys.rend(); ++k) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = *k;
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    return SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT)) == in.size();
}

int printClipboardBitmap() {
    if (!OpenClipboard(nullptr)) return 1;
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    BITMAP info{};
    const bool ok = bitmap && GetObjectW(bitmap, sizeof info, &info);
    CloseClipboard();
    if (!ok) return 1;
    std::printf("%ld %ld\n", info.bmWidth, info.bmHeight);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: marilo_drive COMMAND [ARGS]\n");
        return 2;
    }
    const std::wstring_view cmd = argv[1];
    const double seconds = argc > 2 ? std::wcstod(argv[2], nullptr) : 10.0;
    if (cmd == L"wait-window") return waitFor(true, seconds) ? 0 : 1;
    if (cmd == L"wait-gone") return waitFor(false, seconds) ? 0 : 1;
    if (cmd == L"tips") {
        HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
        return taskbar ? printTips(processOf(taskbar), false) : 1;
    }
    if ((cmd == L"mouse-click" || cmd == L"mouse-move") && argc > 3) {
        const int x = static_cast<int>(std::wcstol(argv[2], nullptr, 10));
        const int y = static_cast<int>(std::wcstol(argv[3], nullptr, 10));
        SetCursorPos(x, y);
        sendMouse(x, y, 0);
        Sleep(100);
        if (cmd == L"mouse-click") {
            const bool right = argc > 4 && std::wstring_view(argv[4]) == L"right";
            sendMouse(x, y, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
            Sleep(50);
            sendMouse(x, y, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
        }
        return 0;
    }
    if (cmd == L"menu-rects" || (cmd == L"menu-key" && argc > 2)) {
        std::vector<HWND> menus;
        EnumWindows(collectMenus, reinterpret_cast<LPARAM>(&menus));
        if (menus.empty()) return 1;
        if (cmd == L"menu-key") {  // the innermost menu is the newest, first in z-order
            const WPARAM vk = std::wcstol(argv[2], nullptr, 0);
            PostMessageW(menus.front(), WM_KEYDOWN, vk, 1);
            PostMessageW(menus.front(), WM_KEYUP, vk, 0xC0000001);
            Sleep(300);
            return 0;
        }
        for (HWND m : menus) {
            RECT r;
            GetWindowRect(m, &r);
            std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        }
        return 0;
    }
    if (cmd == L"clipboard-bitmap") return printClipboardBitmap();
    if (cmd == L"keys") {
        for (int i = 2; i < argc; ++i) {
            if (!pressKeys(argv[i])) return 1;
            Sleep(300);
        }
        return 0;
    }
    if (cmd == L"balloon") {
        HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
        return taskbar ? printTips(processOf(taskbar), true) : 1;
    }
    HWND hwnd = mainWindow();
    if (!hwnd) {
        std::fprintf(stderr, "marilo_drive: Marilo is not running\n");
        return 1;
    }
    if (const int r = driveDialogs(hwnd, argc, argv); r >= 0) return r;
    if (cmd == L"command" && argc > 2) {
        return PostMessageW(hwnd, WM_COMMAND, static_cast<WPARAM>(std::wcstol(argv[2], nullptr, 10)), 0) ? 0 : 1;
    }
    if ((cmd == L"tray" && argc > 3) || (cmd == L"tray-at" && argc > 5)) {
        // Version 4: the event and the icon in lParam, the anchor in wParam.
        POINT at{};
        GetCursorPos(&at);
        if (cmd == L"tray-at") at = {std::wcstol(argv[4], nullptr, 10), std::wcstol(argv[5], nullptr, 10)};
        const WORD icon = static_cast<WORD>(std::wcstol(argv[2], nullptr, 10));
        const WORD event = static_cast<WORD>(std::wcstol(argv[3], nullptr, 0));
        return PostMessageW(hwnd, marilo::kTrayCallbackMessage, MAKEWPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y)),
                            MAKELPARAM(event, icon))
                   ? 0
                   : 1;
    }
    if (cmd == L"read-month" || cmd == L"read-graph") {
        HWND window = nullptr;
        EnumWindows(cmd == L"read-month" ? findMonthWindow : findGraphWindow, reinterpret_cast<LPARAM>(&window));
        return window ? printAccessibleNames(window) : 1;
    }
    if (cmd == L"drop-icons") {
        for (UINT id = 0; id <= 10; ++id) {
            NOTIFYICONDATAW nid{};
            nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
            nid.hWnd = hwnd;
            nid.uID = id;
            Shell_NotifyIconW(NIM_DELETE, &nid);
        }
        return 0;
    }
    if (cmd == L"taskbar-created") {
        return PostMessageW(hwnd, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0) ? 0 : 1;
    }
    if (cmd == L"setting-change" && argc > 2) {
        DWORD_PTR result = 0;
        // The month window too, when one is open: it follows the theme itself.
        HWND month = nullptr;
        EnumWindows(findMonthWindow, reinterpret_cast<LPARAM>(&month));
        if (month)
            SendMessageTimeoutW(month, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(argv[2]), SMTO_NORMAL, 10000,
                                &result);
        return SendMessageTimeoutW(hwnd, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(argv[2]), SMTO_NORMAL, 10000,
                                   &result)
                   ? 0
                   : 1;
    }
    if (cmd == L"close-menu") {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (!menu || !IsWindowVisible(menu)) return 1;  // no menu open
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageW(menu, WM_KEYUP, VK_ESCAPE, 0xC0010001);
        for (int i = 0; i < 30 && IsWindowVisible(menu); ++i) Sleep(100);
        return IsWindowVisible(menu) ? 1 : 0;
    }
    if (cmd == L"end-session") {
        DWORD_PTR result = 0;
        return SendMessageTimeoutW(hwnd, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 10000, &result) ? 0 : 1;
    }
    if (cmd == L"memory") {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
        PROCESS_MEMORY_COUNTERS pmc{};
        pmc.cb = sizeof pmc;
        const bool ok = process && GetProcessMemoryInfo(process, &pmc, sizeof pmc);
        if (process) CloseHandle(process);
        if (!ok) return 1;
        std::printf("pid %lu working_set_kib %llu peak_working_set_kib %llu private_kib %llu\n", pid,
                    static_cast<unsigned long long>(pmc.WorkingSetSize / 1024),
                    static_cast<unsigned long long>(pmc.PeakWorkingSetSize / 1024),
                    static_cast<unsigned long long>(pmc.PagefileUsage / 1024));
        return 0;
    }
    if (cmd == L"shown-tips") return printTips(processOf(hwnd), true);
    if ((cmd == L"type" || cmd == L"key") && argc > 2) {
        std::vector<INPUT> keys;
        const auto event = [&keys](WORD vk, WORD unicode, DWORD up) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wVk = vk;
            in.ki.wScan = unicode;
            in.ki.dwFlags = up | (unicode != 0 ? KEYEVENTF_UNICODE : 0);
            keys.push_back(in);
        };
        const bool ctrl = cmd == L"key" && argc > 3 && std::wstring_view(argv[3]) == L"ctrl";
        if (ctrl) event(VK_CONTROL, 0, 0);
        if (cmd == L"key") {
            const WORD vk = static_cast<WORD>(std::wcstol(argv[2], nullptr, 0));
            event(vk, 0, 0);
            event(vk, 0, KEYEVENTF_KEYUP);
        } else {
            for (const wchar_t* c = argv[2]; *c; ++c) {
                event(0, static_cast<WORD>(*c), 0);
                event(0, static_cast<WORD>(*c), KEYEVENTF_KEYUP);
            }
        }
        if (ctrl) event(VK_CONTROL, 0, KEYEVENTF_KEYUP);
        const UINT sent = SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
        Sleep(500);
        return sent == keys.size() ? 0 : 1;
    }
    if (cmd == L"graph-window" || ((cmd == L"graph-key" || cmd == L"graph-syscommand") && argc > 2)) {
        // graph-key VK: a key press through its queue; graph-syscommand ID:
        // an item of its system menu.
        HWND graph = nullptr;
        EnumWindows(findGraphWindow, reinterpret_cast<LPARAM>(&graph));
        if (!graph) return 1;
        if (cmd != L"graph-window") {
            const WPARAM v = std::wcstol(argv[2], nullptr, 0);
            if (cmd == L"graph-syscommand") {
                PostMessageW(graph, WM_SYSCOMMAND, v, 0);
            } else {
                PostMessageW(graph, WM_KEYDOWN, v, 1);
                PostMessageW(graph, WM_KEYUP, v, 0xC0000001);
            }
            Sleep(500);
            return 0;
        }
        RECT r, c;
        GetWindowRect(graph, &r);
        GetClientRect(graph, &c);
        MapWindowPoints(graph, nullptr, reinterpret_cast<POINT*>(&c), 2);
        std::printf("%ld %ld %ld %ld\n%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom, c.left, c.top, c.right,
                    c.bottom);
        return 0;
    }
    if (cmd == L"month-window" ||
        ((cmd == L"month-key" || cmd == L"month-command" || cmd == L"month-dpi") && argc > 2)) {
        // month-window: its title and client size; month-key VK: a key press
        // through its queue, as the keyboard would give it; month-command ID:
        // an item of its menu bar.
        HWND month = nullptr;
        EnumWindows(findMonthWindow, reinterpret_cast<LPARAM>(&month));
        if (!month) return 1;
        if (cmd == L"month-dpi") {
            // As Windows tells a window moved to a monitor of another scale:
            // the new dpi and a suggested rectangle (here where it stands).
            const WORD dpi = static_cast<WORD>(std::wcstol(argv[2], nullptr, 10));
            RECT suggested;
            GetWindowRect(month, &suggested);
            DWORD_PTR result = 0;
            SendMessageTimeoutW(month, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested),
                                SMTO_NORMAL, 10000, &result);
            return 0;
        }
        if (cmd == L"month-command") {
            PostMessageW(month, WM_COMMAND, static_cast<WPARAM>(std::wcstol(argv[2], nullptr, 10)), 0);
            Sleep(500);
            return 0;
        }
        if (cmd == L"month-key") {
            const WPARAM vk = std::wcstol(argv[2], nullptr, 0);
            PostMessageW(month, WM_KEYDOWN, vk, 1);
            PostMessageW(month, WM_KEYUP, vk, 0xC0000001);
            Sleep(300);
            return 0;
        }
        wchar_t title[128] = {};
        GetWindowTextW(month, title, 128);
        printUtf8(title);
        RECT c, w;
        GetClientRect(month, &c);
        std::printf("%ld %ld\n", c.right, c.bottom);
        POINT origin{0, 0};
        ClientToScreen(month, &origin);
        std::printf("%ld %ld\n", origin.x, origin.y);  // the client area's corner on the screen
        GetWindowRect(month, &w);
        std::printf("%ld %ld %ld %ld\n", w.left, w.top, w.right, w.bottom);
        MONITORINFO info{};
        info.cbSize = sizeof info;
        GetMonitorInfoW(MonitorFromWindow(month, MONITOR_DEFAULTTONEAREST), &info);
        std::printf("%ld %ld %ld %ld\n", info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom);
        return 0;
    }
    if (cmd == L"alert" || cmd == L"click-alert") {
        HWND alert = FindWindowW(L"MariloAlertWnd", nullptr);  // titled with its alert once one showed
        if (!alert) return 1;
        if (cmd == L"click-alert") return PostMessageW(alert, WM_LBUTTONUP, 0, MAKELPARAM(10, 10)) ? 0 : 1;
        RECT a{}, t{};
        GetWindowRect(alert, &a);
        if (HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr)) GetWindowRect(taskbar, &t);
        std::printf("%d %ld %ld %ld %ld %ld %ld %ld %ld\n", IsWindowVisible(alert) ? 1 : 0, a.left, a.top,
                    a.right - a.left, a.bottom - a.top, t.left, t.top, t.right, t.bottom);
        return 0;
    }
    if (cmd == L"close-dialog") {
        HWND dialog = nullptr;
        EnumWindows(findAbout, reinterpret_cast<LPARAM>(&dialog));
        return dialog && PostMessageW(dialog, WM_COMMAND, IDOK, 0) ? 0 : 1;
    }
    std::fprintf(stderr, "marilo_drive: unknown command\n");
    return 2;
}
