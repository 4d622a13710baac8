#include "alerts/win/alert_wnd.h"

#include <mmsystem.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "platform/dpi.h"
#include "platform/gdi.h"
#include "platform/optional_function.h"
#include "platform/text.h"

namespace marilo {

namespace {

const wchar_t* const kClassName = L"MariloAlertWnd";
const char* const kFace = "ＭＳ ゴシック";

// A pass of a text, drawn twice one pixel apart (alertPassAt), offset from
// the text's own place.
struct Layer {
    COLORREF color;
    int dx, dy;
};

void drawText(HDC dc, const std::u16string& text, int x, int y) {
    TextOutW(dc, x, y, wideText(text), static_cast<int>(text.size()));
}

HWND taskbarWindow() { return FindWindowW(L"Shell_TrayWnd", nullptr); }

// SetLayeredWindowAttributes, looked up at run time: systems without it run
// with an opaque window.
using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

}  // namespace

CAlertWnd::CAlertWnd(std::function<void(bool)> updateDateIcons) : updateDateIcons_(std::move(updateDateIcons)) {}

bool CAlertWnd::CreateAlertWindow(HWND owner) {
    owner_ = owner;
    dpi_ = dpiOfWindow(owner);
    registerClass(kClassName, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW),
                  reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENU + 1)));
    if (!create(kClassName, L"TopLevelWindow", WS_POPUP | WS_DLGFRAME | WS_SYSMENU,
                WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE, 0, 0, scaledLength(kAlertWidth, dpi_),
                scaledLength(kAlertHeight, dpi_), owner))
        return false;
    if (const auto setLayered = optionalFunction<SetLayeredFn>(L"user32.dll", "SetLayeredWindowAttributes")) {
        SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) | WS_EX_LAYERED);
        setLayered(hwnd(), 0, kAlertOpacity, LWA_ALPHA);
    }
    return true;
}

void CAlertWnd::onCreate() {
    RECT client;
    GetClientRect(hwnd(), &client);
    const WindowDc dc(hwnd());
    backing_ = Bitmap(CreateCompatibleBitmap(dc.get(), client.right, client.bottom));
    SetAlertText("初期画面", "テスト用", "00:00", kAlertSlack);
}

void CAlertWnd::SetAlertText(const char* message, const char* remainder, const char* time, int32_t kind) {
    if (!backing_) return;
    const MemoryDc mem = memoryDcLike(WindowDc(hwnd()).get());
    if (!mem) return;
    HDC dc = mem.get();
    BITMAP bm{};
    GetObjectW(backing_.get(), sizeof bm, &bm);
    const int w = bm.bmWidth, h = bm.bmHeight, mid = w / 2;
    const Font title = pointFont(10, dpi_, kFace);
    const Font body = pointFont(8, dpi_, kFace);
    const Font clock = pointFont(9, dpi_, kFace);
    const SelectGuard bitmap(dc, backing_.get());
    const Palette palette = paletteOf(theme_);
    if (palette.systemColors) {
        const Brush back = solidBrush(palette.alertBack);
        const RECT all{0, 0, w, h};
        FillRect(dc, &all, back.get());
    } else {
        for (int py = 0; py < h; ++py)
            for (int px = 0; px < w; ++px)
                if (const std::optional<uint32_t> c = alertBackground(kind, px, py, w, h)) SetPixelV(dc, px, py, *c);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_TOP);

    // Each text at its place (0, ay) of the 96-dpi layout, its shadows first;
    // in high contrast the text alone, in the system's colour.
    const AlertLines lines = alertLines(message, remainder, time);
    auto layers = [&](const std::u16string& text, int ay, std::initializer_list<Layer> list) {
        for (const Layer& l : list) {
            if (palette.systemColors && (l.dx != 0 || l.dy != 0)) continue;
            SetTextColor(dc, palette.systemColors ? palette.alertText : l.color);
            for (bool second : {false, true}) {
                const ScreenPoint at = alertPassAt(0, ay, l.dx, l.dy, dpi_, second);
                drawText(dc, text, mid + at.x, at.y);
            }
        }
    };
    const SelectGuard titleFont(dc, title.get());
    layers(lines.title, 4, {{RGB(128, 17, 17), 1, 1}, {RGB(17, 17, 17), 2, 2}, {RGB(255, 255, 255), 0, 0}});
    {
        const SelectGuard bodyFont(dc, body.get());
        layers(lines.message, 22, {{RGB(17, 17, 17), 0, 1}});
        layers(lines.remainder, 34, {{RGB(17, 17, 17), 0, 1}});
        layers(lines.message, 22, {{RGB(255, 153, 51), 0, 0}});
        layers(lines.remainder, 34, {{RGB(255, 153, 51), 0, 0}});
    }
    const SelectGuard clockFont(dc, clock.get());
    layers(lines.time, 51, {{RGB(17, 17, 17), 0, -1}, {RGB(255, 193, 64), 0, 0}});
}

void CAlertWnd::onPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    if (backing_) {
        const MemoryDc mem = memoryDcLike(dc);
        if (mem) {
            const SelectGuard bitmap(mem.get(), backing_.get());
            BITMAP bm{};
            GetObjectW(backing_.get(), sizeof bm, &bm);
            BitBlt(dc, 0, 0, std::min<int>(bm.bmWidth, scaledLength(kAlertWidth, dpi_)),
                   std::min<int>(bm.bmHeight, scaledLength(kAlertHeight, dpi_)),
                   mem.get(), 0, 0, SRCCOPY);
        }
    }
    EndPaint(hwnd(), &ps);
}

void CAlertWnd::followDpi(int dpi) {
    dpi = screenDpiOrBase(dpi);
    if (dpi == dpi_ || !hwnd()) return;
    dpi_ = dpi;
    SetWindowPos(hwnd(), nullptr, 0, 0, scaledLength(kAlertWidth, dpi_), scaledLength(kAlertHeight, dpi_),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(hwnd(), &client);
    HDC dc = GetDC(hwnd());
    backing_ = Bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    ReleaseDC(hwnd(), dc);
}

bool CAlertWnd::showAlert(const Alert& alert) {
    if (HWND taskbar = taskbarWindow()) followDpi(dpiOfWindow(taskbar));
    SetAlertText(alert.message.c_str(), alert.remainder.c_str(), alert.time.c_str(), alert.kind);
    // The picture's words as the window's text: what a screen reader
    // announces on the alert event below.
    if (hwnd()) SetWindowTextW(hwnd(), wideText(alertWindowText(alert)));
    const bool shown = ShowAlert();
    if (shown) NotifyWinEvent(EVENT_SYSTEM_ALERT, hwnd(), OBJID_CLIENT, CHILDID_SELF);
    return shown;
}

bool CAlertWnd::ShowAlert() {
    HWND taskbar = taskbarWindow();
    if (!taskbar || !hwnd()) return false;
    // Wine's taskbar, and some replacement shells, have no notification-area
    // window: the taskbar's own rectangle stands in for it.
    HWND area = FindWindowExW(taskbar, nullptr, L"TrayNotifyWnd", nullptr);
    RECT tb, me;
    GetWindowRect(taskbar, &tb);
    GetWindowRect(hwnd(), &me);
    std::optional<ScreenRect> areaRect;
    RECT ar;
    if (area && GetWindowRect(area, &ar)) areaRect = ScreenRect{ar.left, ar.top, ar.right, ar.bottom};
    setPlacement(placeAlert({tb.left, tb.top, tb.right, tb.bottom}, areaRect, GetSystemMetrics(SM_CXSCREEN),
                            GetSystemMetrics(SM_CYSCREEN), me.right - me.left, me.bottom - me.top));
    SetWindowPos(taskbar, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowLongPtrW(hwnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner_));
    SlideIn();
    BringToForeground(taskbar);
    return true;
}

void CAlertWnd::moveTo(ScreenPoint p) {
    SetWindowPos(hwnd(), nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CAlertWnd::startTimer(UINT_PTR id, UINT ms, bool& running) {
    if (!running) running = SetTimer(hwnd(), id, ms, nullptr) != 0;
}

void CAlertWnd::stopTimer(UINT_PTR id, bool& running) {
    if (running) KillTimer(hwnd(), id);
    running = false;
}

void CAlertWnd::SlideIn() {
    moveTo(hiddenPos_);
    // A layered window is not always repainted on a move: a new alert's
    // picture is put on screen explicitly.
    InvalidateRect(hwnd(), nullptr, FALSE);
    targetPos_ = shownPos_;
    // Each alert stays its full time, also one that arrives while an
    // earlier one is still up.
    stopTimer(kCloseTimerId, closeTimer_);
    startTimer(kCloseTimerId, closeAfterMs_, closeTimer_);
    startTimer(kSlideTimerId, 50, slideTimer_);
    blinkOn_ = false;
    startTimer(kBlinkTimerId, 500, blinkTimer_);
    if (HWND taskbar = taskbarWindow()) BringToForeground(taskbar);
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd());
    slidingOut_ = false;
    // Without an audio device (as under Wine) nothing is heard; that is all.
    if (soundOn) PlaySoundW(MAKEINTRESOURCEW(kAlertSoundId), moduleInstance(), SND_RESOURCE | SND_ASYNC);
}

void CAlertWnd::blinkOnly() {
    if (!hwnd()) return;
    blinkOn_ = false;
    startTimer(kBlinkTimerId, 500, blinkTimer_);
    stopTimer(kBlinkStopTimerId, blinkStopTimer_);
    startTimer(kBlinkStopTimerId, closeAfterMs_, blinkStopTimer_);
}

void CAlertWnd::stopBlink() {
    stopTimer(kBlinkTimerId, blinkTimer_);
    stopTimer(kBlinkStopTimerId, blinkStopTimer_);
    if (updateDateIcons_) updateDateIcons_(false);
}

void CAlertWnd::SlideOut() {
    moveTo(shownPos_);
    targetPos_ = hiddenPos_;
    startTimer(kSlideTimerId, 50, slideTimer_);
    slidingOut_ = true;
}

void CAlertWnd::onSlideTimer() {
    RECT r;
    GetWindowRect(hwnd(), &r);
    const ScreenPoint at{r.left + slideStep(targetPos_.x - r.left), r.top + slideStep(targetPos_.y - r.top)};
    moveTo(at);
    if (!(at == targetPos_)) return;
    stopTimer(kSlideTimerId, slideTimer_);
    if (slidingOut_) {
        ShowWindow(hwnd(), SW_HIDE);
        stopBlink();
    } else {
        ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    }
}

LRESULT CAlertWnd::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CREATE) {
        const LRESULT r = DefWindowProcW(hwnd(), msg, wp, lp);
        if (r != -1) onCreate();
        return r;
    }
    switch (msg) {
        case WM_PAINT: onPaint(); break;
        case WM_DPICHANGED:
            followDpi(HIWORD(wp));
            return 0;
        case WM_LBUTTONUP:
            SlideOut();
            stopTimer(kCloseTimerId, closeTimer_);
            break;
        case WM_TIMER:
            if (wp == kSlideTimerId) {
                onSlideTimer();
            } else if (wp == kCloseTimerId) {
                SlideOut();
                stopTimer(kCloseTimerId, closeTimer_);
            } else if (wp == kBlinkStopTimerId) {
                if (!IsWindowVisible(hwnd())) stopBlink();  // a shown alert stops it as it slides back
                else stopTimer(kBlinkStopTimerId, blinkStopTimer_);
            } else if (wp == kBlinkTimerId) {
                if (updateDateIcons_) updateDateIcons_(blinkOn_);
                blinkOn_ = !blinkOn_;
            }
            break;
        case WM_NCDESTROY: slideTimer_ = closeTimer_ = blinkTimer_ = blinkStopTimer_ = false; break;
        default: break;
    }
    // Every message also gets the default processing.
    return DefWindowProcW(hwnd(), msg, wp, lp);
}

void BringToForeground(HWND w) {
    const DWORD self = GetCurrentThreadId();
    const DWORD other = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const bool attach = other != 0 && other != self && AttachThreadInput(self, other, TRUE);
    SetForegroundWindow(w);
    if (attach) AttachThreadInput(self, other, FALSE);
}

}  // namespace marilo
