// The Windows layer under Wine: text conversion at the API boundary, the
// drawing-state guard, the hidden modal run, the clipboard, optional system
// functions and registry values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi.h"
#include "platform/optional_function.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "platform/win_util.h"
#include "platform/window.h"
#include "res/resource.h"

namespace marilo {
namespace {

TEST(Text, Cp932RoundTripsThroughUtf16) {
    const std::string cp932 = "田子の浦 大潮 月齢7.2 ｶﾅ";  // cp932 bytes in this build
    const std::wstring wide = widen(cp932);
    EXPECT_EQ(wide, L"田子の浦 大潮 月齢7.2 ｶﾅ");
    EXPECT_EQ(narrow(wide), cp932);
    EXPECT_EQ(widen(""), L"");
    EXPECT_EQ(narrow(L"\u00e9"), "?");  // not in cp932
}

TEST(Gdi, DcStateGuardPutsEverythingBack) {
    DibSurface surface(16, 16, 24);
    ASSERT_TRUE(surface);
    HDC dc = surface.dc();
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    const Pen red = solidPen(RGB(255, 0, 0));
    const Font gothic = pointFont(dc, 8, "ＭＳ ゴシック");
    ASSERT_TRUE(red);
    ASSERT_TRUE(gothic);
    {
        DcStateGuard guard(dc);
        SelectObject(dc, red.get());
        SelectObject(dc, gothic.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(9, 9, 9));
        SetBkColor(dc, RGB(8, 8, 8));
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
}

TEST(Gdi, PointFontHeightFollowsTheDevice) {
    DibSurface surface(16, 16, 4);
    const Font font = pointFont(surface.dc(), 8, "ＭＳ ゴシック");
    LOGFONTW lf{};
    GetObjectW(font.get(), sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, -MulDiv(8, GetDeviceCaps(surface.dc(), LOGPIXELSY), 72));
    EXPECT_EQ(lf.lfFaceName, widen(japaneseFace("ＭＳ ゴシック")));
}

// The characters of `text` that `font` has no glyph for (each would be a box).
int missingGlyphs(HFONT font, const std::wstring& text) {
    DibSurface surface(16, 16, 24);
    SelectGuard select(surface.dc(), font);
    std::vector<WORD> glyphs(text.size());
    if (GetGlyphIndicesW(surface.dc(), text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                         GGI_MARK_NONEXISTING_GLYPHS) != text.size())
        return -1;
    return static_cast<int>(std::count(glyphs.begin(), glyphs.end(), WORD{0xFFFF}));
}

// Whatever fonts this system has, the face drawn for ＭＳ ゴシック holds the
// graph title's digits, slashes, kana and kanji alike, and Latin faces are
// drawn as named.
TEST(Gdi, JapaneseTextHasEveryGlyph) {
    const Font font = pointFont(nullptr, 9, "ＭＳ ゴシック");
    EXPECT_EQ(missingGlyphs(font.get(), L"2024/1/11 (木) 大潮 干満時刻 ｶﾅ"), 0);
    EXPECT_EQ(japaneseFace("Small Fonts"), "Small Fonts");
}

TEST(Handles, OwnersMoveAndRelease) {
    Brush a = solidBrush(RGB(1, 1, 1));
    const HBRUSH raw = a.get();
    Brush b = std::move(a);
    EXPECT_FALSE(a);
    EXPECT_EQ(b.get(), raw);
    b.reset();
    EXPECT_EQ(GetObjectType(raw), 0u);  // deleted
    static_assert(!std::is_copy_constructible_v<Brush>);
    static_assert(!std::is_copy_assignable_v<Menu>);
}

// A dialog of the splash template that records whether it became visible.
class Probe final : public Dialog {
public:
    Probe() : Dialog(IDD_SPLASH) {}
    bool everVisible = false;
    int ticks = 0;
    bool quitInstead = false;
    int missing = -1;  // glyphs the controls' font lacks for Japanese text

protected:
    std::optional<INT_PTR> handleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_INITDIALOG) {
            SetTimer(hwnd(), 7, 20, nullptr);
            return TRUE;
        }
        if (msg == WM_TIMER) {
            everVisible = everVisible || IsWindowVisible(hwnd());
            const HWND line = GetDlgItem(hwnd(), IDC_VERSION_LINE);
            missing = missingGlyphs(reinterpret_cast<HFONT>(SendMessageW(line, WM_GETFONT, 0, 0)),
                                    L"Marilo 本プログラムは航海用途には適しません。");
            if (++ticks == 5) {
                if (quitInstead) PostQuitMessage(3);
                else end(42);
            }
            return TRUE;
        }
        return Dialog::handleMessage(msg, wp, lp);
    }
};

TEST(Dialog, HiddenModalRunNeverShowsTheWindowByItself) {
    Probe probe;
    EXPECT_EQ(probe.runHiddenModal(nullptr), 42);
    EXPECT_FALSE(probe.everVisible);
    EXPECT_EQ(probe.ticks, 5);
    EXPECT_EQ(probe.hwnd(), nullptr);  // destroyed at the end of the run
    // The template's face may be missing: its controls draw on an installed
    // Japanese one.
    EXPECT_EQ(probe.missing, 0);
}

TEST(Dialog, QuitRequestEndsTheHiddenRunAndStaysQueued) {
    Probe probe;
    probe.quitInstead = true;
    EXPECT_EQ(probe.runHiddenModal(nullptr), 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST(Dialog, QuitRequestEndsTheModalRunWithoutAResult) {
    // The system's modal loop leaves on a quit request as if confirmed;
    // only what end() was given counts.
    Probe probe;
    probe.quitInstead = true;
    EXPECT_EQ(probe.runModal(nullptr), 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    Probe ended;
    EXPECT_EQ(ended.runModal(nullptr), 42);
}

TEST(Dialog, MissingTemplateGivesMinusOne) {
    class Missing final : public Dialog {
    public:
        Missing() : Dialog(4321) {}
    } missing;
    EXPECT_EQ(missing.runHiddenModal(nullptr), -1);
}

// A plain window that counts what reaches its handler.
class Counter final : public Window {
public:
    int created = 0, pings = 0;

protected:
    LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_CREATE) ++created;
        if (msg == WM_APP) return ++pings;
        return Window::handleMessage(msg, wp, lp);
    }
};

TEST(Window, MessagesReachTheObjectFromCreationToDestruction) {
    ASSERT_TRUE(Window::registerClass(L"MariloTestWindow", 0, nullptr, nullptr));
    ASSERT_TRUE(Window::registerClass(L"MariloTestWindow", 0, nullptr, nullptr));  // again: still fine
    HWND seen = nullptr;
    {
        Counter w;
        ASSERT_TRUE(w.create(L"MariloTestWindow", L"t", WS_POPUP, 0, 0, 0, 10, 10, nullptr));
        EXPECT_FALSE(w.create(L"MariloTestWindow", L"t", WS_POPUP, 0, 0, 0, 10, 10, nullptr));  // one window each
        seen = w.hwnd();
        EXPECT_EQ(w.created, 1);
        EXPECT_EQ(SendMessageW(seen, WM_APP, 0, 0), 1);
        EXPECT_EQ(SendMessageW(seen, WM_APP, 0, 0), 2);
        w.destroy();
        EXPECT_EQ(w.hwnd(), nullptr);
        EXPECT_FALSE(IsWindow(seen));
        ASSERT_TRUE(w.create(L"MariloTestWindow", L"t", WS_POPUP, 0, 0, 0, 10, 10, nullptr));
        seen = w.hwnd();
    }
    EXPECT_FALSE(IsWindow(seen));  // the object took its window with it
}

TEST(Clipboard, TextArrivesAsCp932AndUnicode) {
    const std::string text = "H  5:07 151\nL 11:30  -3\n\n\n";
    ASSERT_TRUE(copyTextToClipboard(nullptr, text));
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE ansi = GetClipboardData(CF_TEXT);
    HANDLE wide = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(ansi, nullptr);
    ASSERT_NE(wide, nullptr);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(ansi)), text.c_str());
    GlobalUnlock(ansi);
    EXPECT_STREQ(static_cast<const wchar_t*>(GlobalLock(wide)), L"H  5:07 151\nL 11:30  -3\n\n\n");
    GlobalUnlock(wide);
    CloseClipboard();
}

TEST(Mutex, SecondLookSeesTheFirst) {
    const wchar_t* name = L"MariloPlatformTestMutex";
    EXPECT_FALSE(NamedMutex::exists(name));
    NamedMutex m = NamedMutex::create(name);
    ASSERT_TRUE(m);
    EXPECT_TRUE(NamedMutex::exists(name));
    EXPECT_FALSE(m.existedBefore());
    {
        // A start that raced past exists() learns at creation that it came second.
        NamedMutex late = NamedMutex::create(name);
        EXPECT_TRUE(late.existedBefore());
    }
    m.release();
    EXPECT_FALSE(NamedMutex::exists(name));
}

TEST(OptionalFunction, FoundWhereTheSystemHasItNullWhereNot) {
    using MetricsFn = int(WINAPI*)(int);
    const auto metrics = optionalFunction<MetricsFn>(L"user32.dll", "GetSystemMetrics");
    ASSERT_NE(metrics, nullptr);
    EXPECT_EQ(metrics(SM_CXSCREEN), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(optionalFunction<MetricsFn>(L"user32.dll", "GetSystemMetricsOfNoSuchKind"), nullptr);
    EXPECT_EQ(optionalFunction<MetricsFn>(L"marilo-no-such-library.dll", "GetSystemMetrics"), nullptr);
}

TEST(Registry, DwordReadOnlyFromADwordValue) {
    const std::wstring path = L"Software\\Harbrook Works\\MariloPlatformTest";
    RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    EXPECT_FALSE(openUserKey(path));
    EXPECT_FALSE(userDword(path, L"Zero"));  // no key
    {
        const RegistryKey key = createUserKey(path);
        ASSERT_TRUE(key);
        const DWORD zero = 0, seven = 7;
        RegSetValueExW(key.get(), L"Zero", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), sizeof zero);
        RegSetValueExW(key.get(), L"Seven", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&seven), sizeof seven);
        RegSetValueExW(key.get(), L"Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"0"), 2 * sizeof(wchar_t));
        RegSetValueExW(key.get(), L"Wide", 0, REG_QWORD, reinterpret_cast<const BYTE*>("\0\0\0\0\0\0\0\0"), 8);
    }
    EXPECT_TRUE(openUserKey(path));
    EXPECT_EQ(userDword(path, L"Zero"), std::optional<DWORD>(0));
    EXPECT_EQ(userDword(path, L"Seven"), std::optional<DWORD>(7));
    EXPECT_FALSE(userDword(path, L"Text"));  // "0" as text is not a number here
    EXPECT_FALSE(userDword(path, L"Wide"));  // another type, longer than a DWORD
    EXPECT_FALSE(userDword(path, L"Absent"));
    EXPECT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str()), ERROR_SUCCESS);
}

}  // namespace
}  // namespace marilo
