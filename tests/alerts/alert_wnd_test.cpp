// The alert window under Wine.
#include "alerts/win/alert_wnd.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace marilo {
namespace {

// Runs the message loop for about `ms` milliseconds, or until `done`.
template <class Done>
void pump(int ms, Done done) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    MSG msg;
    while (GetTickCount() < end && !done()) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(5);
    }
}

struct Picture {
    int w = 0, h = 0;
    std::vector<COLORREF> px;
    explicit Picture(HBITMAP bitmap) {
        BITMAP bm{};
        GetObjectW(bitmap, sizeof bm, &bm);
        w = bm.bmWidth, h = bm.bmHeight;
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) px.push_back(GetPixel(dc, x, y));
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    COLORREF at(int x, int y) const { return px[static_cast<size_t>(y * w + x)]; }
    bool has(COLORREF c) const {
        for (COLORREF p : px)
            if (p == c) return true;
        return false;
    }
};

TEST(AlertWindow, CreatedHiddenTranslucentAndOfItsSize) {
    CAlertWnd w(nullptr);
    ASSERT_TRUE(w.CreateAlertWindow(nullptr));
    EXPECT_FALSE(IsWindowVisible(w.hwnd()));
    RECT r, c;
    GetWindowRect(w.hwnd(), &r);
    GetClientRect(w.hwnd(), &c);
    EXPECT_EQ(r.right - r.left, 100);
    EXPECT_EQ(r.bottom - r.top, 80);
    wchar_t title[32] = {};
    GetWindowTextW(w.hwnd(), title, 32);
    EXPECT_STREQ(title, L"TopLevelWindow");
    const LONG_PTR ex = GetWindowLongPtrW(w.hwnd(), GWL_EXSTYLE);
    EXPECT_EQ(ex & (WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE | WS_EX_LAYERED),
              WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE | WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(w.hwnd(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 230);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    // The picture covers the client area exactly.
    const Picture p(w.backing());
    EXPECT_EQ(p.w, c.right);
    EXPECT_EQ(p.h, c.bottom);
    EXPECT_EQ(GetClassLongPtrW(w.hwnd(), GCL_STYLE) & (CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS),
              static_cast<ULONG_PTR>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
}

TEST(AlertWindow, BackgroundsByKindUnderTheLayeredTexts) {
    CAlertWnd w(nullptr);
    ASSERT_TRUE(w.CreateAlertWindow(nullptr));
    // Slack water: blue at the top to black at the bottom, down the left
    // edge, which the centred texts leave alone.
    w.SetAlertText("上げ止まりに", "なりました。", "★14:07　", 0);
    Picture slack(w.backing());
    const int W = slack.w, H = slack.h;
    for (int y = 0; y < H; ++y) EXPECT_EQ(slack.at(0, y), RGB(0, 0, static_cast<int>(200 - 200.0 * y / H))) << y;
    EXPECT_TRUE(slack.has(RGB(255, 255, 255)));  // the title's top layer
    EXPECT_TRUE(slack.has(RGB(255, 153, 51)));   // the message
    EXPECT_TRUE(slack.has(RGB(255, 193, 64)));   // the time

    // The stages run across, along the bottom row below the texts.
    w.SetAlertText("下げ３分まで", "あと１５分です。", "→09:40　", 1);
    Picture fall(w.backing());
    for (int x = 0; x < W; ++x) EXPECT_EQ(fall.at(x, H - 1), RGB(0, 0, static_cast<int>(200 - 200.0 * x / W))) << x;
    w.SetAlertText("上げ３分まで", "あと１５分です。", "→09:40　", 2);
    Picture rise(w.backing());
    for (int x = 0; x < W; ++x) EXPECT_EQ(rise.at(x, H - 1), RGB(0, 0, 200 * x / W)) << x;
    // Any other kind leaves the background as it was.
    w.SetAlertText("", "", "", 7);
    Picture kept(w.backing());
    for (int x = 0; x < W; ++x) EXPECT_EQ(kept.at(x, H - 1), rise.at(x, H - 1)) << x;
}

TEST(AlertWindow, HighContrastAndAnotherDpi) {
    CAlertWnd w(nullptr);
    ASSERT_TRUE(w.CreateAlertWindow(nullptr));
    // High contrast: the window colour behind the window text, nothing else.
    Theme hc;
    hc.highContrast = true;
    hc.system.window = 0x000000, hc.system.windowText = 0x00FFFF;
    w.setTheme(hc);
    w.SetAlertText("上げ止まりに", "なりました。", "★14:07　", 0);
    const Picture p(w.backing());
    int text = 0;
    for (COLORREF c : p.px) {
        EXPECT_TRUE(c == 0x000000 || c == 0x00FFFF) << std::hex << c;
        text += c == 0x00FFFF;
    }
    EXPECT_GT(text, 100);
    // At 144 dpi the window and its picture are 150 x 120 outside.
    w.followDpi(144);
    RECT r, c;
    GetWindowRect(w.hwnd(), &r);
    GetClientRect(w.hwnd(), &c);
    EXPECT_EQ(r.right - r.left, 150);
    EXPECT_EQ(r.bottom - r.top, 120);
    EXPECT_EQ(Picture(w.backing()).w, c.right);
}

// An alert held for a busy user: the icon blinks without the window, and
// stops after the alert's time.
TEST(AlertWindow, BlinkOnlyLeavesTheWindowHidden) {
    std::vector<bool> blinks;
    CAlertWnd w([&](bool alert) { blinks.push_back(alert); });
    ASSERT_TRUE(w.CreateAlertWindow(nullptr));
    w.setCloseAfter(1000);
    w.blinkOnly();
    pump(2500, [] { return false; });
    EXPECT_FALSE(IsWindowVisible(w.hwnd()));
    ASSERT_GE(blinks.size(), 2u);
    EXPECT_FALSE(blinks.back());  // ended on the normal icon
    const size_t n = blinks.size();
    pump(1200, [] { return false; });
    EXPECT_EQ(blinks.size(), n);  // and stopped
}

TEST(AlertWindow, SlidesInRestsAndSlidesBackOnAClickWhileTheIconBlinks) {
    std::vector<bool> blinks;
    CAlertWnd w([&](bool alert) { blinks.push_back(alert); });
    ASSERT_TRUE(w.CreateAlertWindow(nullptr));
    w.soundOn = false;
    w.setPlacement({{400, 300}, {400, 380}});
    w.SlideIn();
    auto at = [&] {
        RECT r;
        GetWindowRect(w.hwnd(), &r);
        return ScreenPoint{r.left, r.top};
    };
    EXPECT_EQ(at(), (ScreenPoint{400, 380}));
    EXPECT_TRUE(IsWindowVisible(w.hwnd()));
    pump(4000, [&] { return at() == ScreenPoint{400, 300}; });  // 34 steps of 50 ms
    EXPECT_EQ(at(), (ScreenPoint{400, 300}));
    pump(1200, [] { return false; });
    ASSERT_GE(blinks.size(), 3u);
    for (size_t i = 0; i < blinks.size(); ++i) EXPECT_EQ(blinks[i], i % 2 == 1) << i;  // normal icon first

    SendMessageW(w.hwnd(), WM_LBUTTONUP, 0, 0);
    pump(4000, [&] { return !IsWindowVisible(w.hwnd()); });
    EXPECT_FALSE(IsWindowVisible(w.hwnd()));
    EXPECT_EQ(at(), (ScreenPoint{400, 380}));
    ASSERT_FALSE(blinks.empty());
    EXPECT_FALSE(blinks.back());  // the normal icon again
    const size_t n = blinks.size();
    pump(1200, [] { return false; });
    EXPECT_EQ(blinks.size(), n);  // and no more blinking
}

TEST(AlertWindow, ASecondAlertWhileUpStaysItsFullTime) {
    CAlertWnd w(nullptr);
    ASSERT_TRUE(w.CreateAlertWindow(nullptr));
    w.soundOn = false;
    w.setCloseAfter(1500);
    w.setPlacement({{400, 300}, {400, 304}});
    const DWORD start = GetTickCount();
    w.SlideIn();
    pump(900, [] { return false; });
    const DWORD second = GetTickCount();
    w.SlideIn();  // the next alert, 0.9 s into the first one's 1.5 s
    pump(5000, [&] { return !IsWindowVisible(w.hwnd()); });
    const DWORD gone = GetTickCount();
    EXPECT_FALSE(IsWindowVisible(w.hwnd()));
    // It left after the second alert's own time, not what was left of the
    // first's (which would have been about 1.5 s from the start).
    EXPECT_GE(gone - second, 1500u);
    EXPECT_GE(gone - start, 2300u);
}

TEST(AlertSound, WaveResourceIsStereo16BitPcmOfAboutSixSeconds) {
    HRSRC res = FindResourceW(nullptr, MAKEINTRESOURCEW(kAlertSoundId), L"WAVE");
    ASSERT_NE(res, nullptr);
    const DWORD size = SizeofResource(nullptr, res);
    const auto* p = static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, res)));
    ASSERT_NE(p, nullptr);
    ASSERT_GE(size, 44u);
    auto u16 = [&](size_t o) { return static_cast<unsigned>(p[o] | p[o + 1] << 8); };
    auto u32 = [&](size_t o) { return u16(o) | u16(o + 2) << 16; };
    EXPECT_EQ(std::memcmp(p, "RIFF", 4), 0);
    EXPECT_EQ(u32(4), size - 8);
    EXPECT_EQ(std::memcmp(p + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(u16(20), 1u);      // PCM
    EXPECT_EQ(u16(22), 2u);      // channels
    EXPECT_EQ(u32(24), 11025u);  // samples per second
    EXPECT_EQ(u16(34), 16u);     // bits per sample
    EXPECT_EQ(std::memcmp(p + 36, "data", 4), 0);
    const double seconds = u32(40) / (11025.0 * 4);
    EXPECT_NEAR(seconds, 6.2, 0.05);
}

}  // namespace
}  // namespace marilo
