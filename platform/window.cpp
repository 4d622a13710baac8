#include "platform/window.h"

#include <cstring>
#include <string>

#include "platform/gdi.h"
#include "platform/text.h"

namespace marilo {

HINSTANCE moduleInstance() { return GetModuleHandleW(nullptr); }

Window::~Window() { destroy(); }

bool Window::registerClass(const wchar_t* className, UINT style, HCURSOR cursor, HBRUSH background) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = &Window::windowProc;
    wc.hInstance = moduleInstance();
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Window::create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
                    int width, int height, HWND parent) {
    if (hwnd_) return false;
    return CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, nullptr,
                           moduleInstance(), this) != nullptr;
}

void Window::destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT Window::handleMessage(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    const LRESULT r = self->handleMessage(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return r;
}

Dialog::~Dialog() {
    if (hwnd_) DestroyWindow(hwnd_);
}

INT_PTR Dialog::runModal(HWND parent) {
    hiddenRun_ = false;
    ended_ = false;
    result_ = 0;
    const INT_PTR r = DialogBoxParamW(moduleInstance(), MAKEINTRESOURCEW(templateId_), parent, &Dialog::dialogProc,
                                      reinterpret_cast<LPARAM>(this));
    if (r == -1 && !ended_) return -1;
    // The system's loop also leaves on a quit request, with a result that
    // may read as confirmed; only what end() was given counts.
    return ended_ ? result_ : 0;
}

INT_PTR Dialog::runHiddenModal(HWND parent) {
    hiddenRun_ = true;
    ended_ = false;
    result_ = 0;
    if (parent) EnableWindow(parent, FALSE);
    CreateDialogParamW(moduleInstance(), MAKEINTRESOURCEW(templateId_), parent, &Dialog::dialogProc,
                       reinterpret_cast<LPARAM>(this));
    if (!hwnd_) {
        if (parent) EnableWindow(parent, TRUE);
        return -1;
    }
    MSG msg;
    while (!ended_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // A quit request ends the run; keep it for the caller's loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) break;
        if (!hwnd_ || !IsDialogMessageW(hwnd_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
    if (parent) {
        EnableWindow(parent, TRUE);
        SetActiveWindow(parent);
    }
    if (hwnd_) DestroyWindow(hwnd_);
    hiddenRun_ = false;
    return result_;
}

HWND Dialog::createChild(HWND parent) {
    hiddenRun_ = false;
    CreateDialogParamW(moduleInstance(), MAKEINTRESOURCEW(templateId_), parent, &Dialog::dialogProc,
                       reinterpret_cast<LPARAM>(this));
    return hwnd_;
}

void Dialog::end(INT_PTR result) {
    ended_ = true;
    result_ = result;
    if (hiddenRun_) {
        PostMessageW(hwnd_, WM_NULL, 0, 0);  // wakes the loop
    } else if (hwnd_) {
        EndDialog(hwnd_, result);
    }
}

void Dialog::setItemText(int id, const char* cp932) { SetDlgItemTextW(hwnd_, id, widen(cp932).c_str()); }

std::optional<INT_PTR> Dialog::handleMessage(UINT msg, WPARAM wp, LPARAM) {
    if (msg == WM_INITDIALOG) return TRUE;
    if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
        end(LOWORD(wp));
        return TRUE;
    }
    return std::nullopt;
}

// The template names its face; where that face is not installed, the
// dialog and its controls are given the same font on the installed Japanese
// face that would draw it (platform/gdi.h). The layout stays as measured
// with the template's font.
void Dialog::useInstalledJapaneseFace() {
    const HFONT current = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    LOGFONTW lf{};
    if (!current || !GetObjectW(current, sizeof lf, &lf)) return;
    const std::string named = narrow(lf.lfFaceName);
    const std::string face = japaneseFace(named);
    if (face == named) return;
    const std::wstring wide = widen(face);
    wcsncpy(lf.lfFaceName, wide.c_str(), LF_FACESIZE - 1);
    lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
    font_ = Font(CreateFontIndirectW(&lf));
    if (!font_) return;
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    EnumChildWindows(
        hwnd_,
        [](HWND child, LPARAM font) -> BOOL {
            SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(font_.get()));
}

INT_PTR CALLBACK Dialog::dialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Dialog* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lp);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->useInstalledJapaneseFace();
    }
    if (!self) return FALSE;
    const std::optional<INT_PTR> r = self->handleMessage(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    if (!r) return FALSE;
    // Results that are not TRUE/FALSE (colour brushes, for example) go back
    // as they are; message results proper go through DWLP_MSGRESULT.
    return *r;
}

}  // namespace marilo
