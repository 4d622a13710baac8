// marilo_drive's commands for Marilo's dialogs (settings, rule editor,
// message boxes), through each control's own messages. A control is named
// by a path of control numbers from a dialog of Marilo's, e.g. 136/1044
// (the settings dialog's メニュー page, the 目盛 field);
// the first visible dialog in which the whole path exists is taken.
//   dialog-wait PATH SECONDS      exit 0 once such a dialog is shown
//   dialog-gone PATH SECONDS      exit 0 once none is
//   dialog-count PATH             how many are shown
//   click PATH                    BM_CLICK (waits at most a second: the button may open a modal dialog)
//   select PATH INDEX             choose a list entry and tell the owner, as a user's choice does
//   settext PATH TEXT             WM_SETTEXT
//   tab PATH INDEX                select a tab as the keyboard does (TCN_SELCHANGE follows)
//   arrow PATH up|down            click an arrow of an up-down control
//   get PATH                      text, check state, enabled state, selection and list entries, UTF-8
//   press PATH ID                 WM_COMMAND ID to the dialog holding PATH (1 OK, 2 cancel/close)
//   focus                         the focused control's number and its parent's
//   windows                       Marilo's visible windows: class and title
//   texts TITLE                   the texts of a dialog of that title (a message box's is "Marilo")
//   answer TITLE ID               WM_COMMAND ID to the dialog of that title
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Found {
    HWND dialog = nullptr;
    HWND control = nullptr;
};

struct Search {
    DWORD pid;
    HWND main;
    std::vector<int> path;
    std::vector<Found> found;
};

std::vector<int> parsePath(const wchar_t* text) {
    std::vector<int> ids;
    for (const wchar_t* p = text; *p;) {
        wchar_t* end = nullptr;
        ids.push_back(static_cast<int>(std::wcstol(p, &end, 10)));
        if (end == p) break;
        p = *end ? end + 1 : end;
    }
    return ids;
}

BOOL CALLBACK collect(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[32] = {};
    GetClassNameW(hwnd, cls, 32);
    if (pid != s->pid || hwnd == s->main || wcscmp(cls, L"#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    HWND at = hwnd;
    for (int id : s->path) {
        at = GetDlgItem(at, id);
        if (!at) return TRUE;
    }
    s->found.push_back({hwnd, at});
    return TRUE;
}

std::vector<Found> findAll(HWND main, const wchar_t* path) {
    Search s{0, main, parsePath(path), {}};
    GetWindowThreadProcessId(main, &s.pid);
    EnumWindows(collect, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

Found find(HWND main, const wchar_t* path) {
    const std::vector<Found> all = findAll(main, path);
    return all.empty() ? Found{} : all.front();
}

bool waitFor(HWND main, const wchar_t* path, bool shown, double seconds) {
    for (int i = 0; i <= static_cast<int>(seconds * 10); ++i) {
        if ((find(main, path).control != nullptr) == shown) return true;
        Sleep(100);
    }
    return false;
}

void printUtf8(std::wstring_view label, std::wstring_view text) {
    std::wstring line(label);
    line += text;
    const int n = WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), out.data(), n, nullptr, nullptr);
    std::printf("%s\n", out.c_str());
}

std::wstring className(HWND hwnd) {
    wchar_t cls[64] = {};
    GetClassNameW(hwnd, cls, 64);
    return cls;
}

std::wstring windowText(HWND hwnd) {
    wchar_t text[1024] = {};
    SendMessageW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

void printControl(HWND c) {
    const std::wstring cls = className(c);
    printUtf8(L"text: ", windowText(c));
    std::printf("enabled: %d\n", IsWindowEnabled(c) ? 1 : 0);
    std::printf("visible: %d\n", IsWindowVisible(c) ? 1 : 0);
    if (_wcsicmp(cls.c_str(), L"Button") == 0) {
        std::printf("checked: %d\n", static_cast<int>(SendMessageW(c, BM_GETCHECK, 0, 0)));
    } else if (_wcsicmp(cls.c_str(), L"ComboBox") == 0) {
        std::printf("selection: %d\n", static_cast<int>(SendMessageW(c, CB_GETCURSEL, 0, 0)));
    } else if (_wcsicmp(cls.c_str(), L"ListBox") == 0) {
        std::printf("selection: %d\n", static_cast<int>(SendMessageW(c, LB_GETCURSEL, 0, 0)));
        const LRESULT n = SendMessageW(c, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < n; ++i) {
            wchar_t item[512] = {};
            if (SendMessageW(c, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 511)
                SendMessageW(c, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
            printUtf8(L"item: ", item);
        }
    } else if (_wcsicmp(cls.c_str(), WC_TABCONTROLW) == 0) {
        std::printf("selection: %d\n", static_cast<int>(SendMessageW(c, TCM_GETCURSEL, 0, 0)));
    }
}

// Sends a message and waits until it has been handled, or for a second
// when handling it runs a modal dialog, which goes on after the return.
bool sendAwhile(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_NORMAL, 1000, &result) != 0 || GetLastError() == ERROR_TIMEOUT;
}

// Tells the control's owner of a changed selection, as the control does
// when the user makes one.
void notifySelection(HWND c, WORD code) {
    SendMessageW(GetParent(c), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c), code), reinterpret_cast<LPARAM>(c));
}

BOOL CALLBACK collectTitled(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<std::pair<Search*, std::wstring>*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == s->first->pid && hwnd != s->first->main && className(hwnd) == L"#32770" && IsWindowVisible(hwnd) &&
        windowText(hwnd) == s->second)
        s->first->found.push_back({hwnd, hwnd});
    return TRUE;
}

HWND findTitled(HWND main, const wchar_t* title) {
    Search s{0, main, {}, {}};
    GetWindowThreadProcessId(main, &s.pid);
    std::pair<Search*, std::wstring> param{&s, title};
    EnumWindows(collectTitled, reinterpret_cast<LPARAM>(&param));
    return s.found.empty() ? nullptr : s.found.front().dialog;
}

int printTexts(HWND dialog) {
    if (!dialog) return 1;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const std::wstring text = windowText(c);
        if (!text.empty()) printUtf8(L"", text);
    }
    return 0;
}

BOOL CALLBACK listWindow(HWND hwnd, LPARAM param) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == static_cast<DWORD>(param) && IsWindowVisible(hwnd)) printUtf8(className(hwnd) + L" ", windowText(hwnd));
    return TRUE;
}

int focus(HWND main) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) || !info.hwndFocus) return 1;
    std::printf("focus: %d parent: %d\n", GetDlgCtrlID(info.hwndFocus), GetDlgCtrlID(GetParent(info.hwndFocus)));
    return 0;
}

}  // namespace

// The dialog commands; -1 when `cmd` is none of them.
int driveDialogs(HWND main, int argc, wchar_t** argv) {
    const std::wstring_view cmd = argv[1];
    const wchar_t* path = argc > 2 ? argv[2] : L"";
    const wchar_t* arg = argc > 3 ? argv[3] : L"";
    if (cmd == L"focus") return focus(main);
    if (cmd == L"windows") {
        DWORD pid = 0;
        GetWindowThreadProcessId(main, &pid);
        EnumWindows(listWindow, static_cast<LPARAM>(pid));
        return 0;
    }
    if (cmd == L"texts") return printTexts(findTitled(main, path));
    if (cmd == L"answer") {
        HWND dialog = findTitled(main, path);
        return dialog && sendAwhile(dialog, WM_COMMAND, static_cast<WPARAM>(std::wcstol(arg, nullptr, 10)), 0) ? 0 : 1;
    }
    if (cmd == L"dialog-wait") return waitFor(main, path, true, argc > 3 ? std::wcstod(arg, nullptr) : 10) ? 0 : 1;
    if (cmd == L"dialog-gone") return waitFor(main, path, false, argc > 3 ? std::wcstod(arg, nullptr) : 10) ? 0 : 1;
    if (cmd == L"dialog-count") {
        std::printf("%d\n", static_cast<int>(findAll(main, path).size()));
        return 0;
    }
    static const wchar_t* const known[] = {L"click", L"select", L"settext", L"tab", L"arrow", L"get", L"press"};
    bool isKnown = false;
    for (const wchar_t* k : known) isKnown = isKnown || cmd == k;
    if (!isKnown) return -1;

    const Found f = find(main, path);
    if (!f.control) {
        std::fprintf(stderr, "marilo_drive: no dialog shows that control\n");
        return 1;
    }
    HWND c = f.control;
    const std::wstring cls = className(c);
    if (cmd == L"click") return sendAwhile(c, BM_CLICK, 0, 0) ? 0 : 1;
    if (cmd == L"get") {
        printControl(c);
        return 0;
    }
    if (cmd == L"press") {
        return sendAwhile(f.dialog, WM_COMMAND, static_cast<WPARAM>(std::wcstol(arg, nullptr, 10)), 0) ? 0 : 1;
    }
    if (cmd == L"settext") return SendMessageW(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(arg)) ? 0 : 1;
    const long index = std::wcstol(arg, nullptr, 10);
    if (cmd == L"select" && _wcsicmp(cls.c_str(), L"ComboBox") == 0) {
        if (SendMessageW(c, CB_SETCURSEL, static_cast<WPARAM>(index), 0) != index) return 1;
        notifySelection(c, CBN_SELCHANGE);
        return 0;
    }
    if (cmd == L"select" && _wcsicmp(cls.c_str(), L"ListBox") == 0) {
        if (SendMessageW(c, LB_SETCURSEL, static_cast<WPARAM>(index), 0) == LB_ERR && index >= 0) return 1;
        notifySelection(c, LBN_SELCHANGE);
        return 0;
    }
    if (cmd == L"tab") {
        SendMessageW(c, TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0);
        return SendMessageW(c, TCM_GETCURSEL, 0, 0) == index ? 0 : 1;
    }
    if (cmd == L"arrow") {
        RECT rc;
        GetClientRect(c, &rc);
        const bool up = std::wstring_view(arg) == L"up";
        const LPARAM at = MAKELPARAM(rc.right / 2, up ? rc.bottom / 4 : rc.bottom * 3 / 4);
        return sendAwhile(c, WM_LBUTTONDOWN, MK_LBUTTON, at) && sendAwhile(c, WM_LBUTTONUP, 0, at) ? 0 : 1;
    }
    std::fprintf(stderr, "marilo_drive: that control takes no such command\n");
    return 1;
}
