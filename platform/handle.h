#pragma once
// Move-only owners of Windows handles. Each releases its handle with the one
// call that matches how it was obtained; none can be copied.

#include <windows.h>

#include <utility>

namespace marilo {

template <class H, class Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) : h_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, H{})) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, H{});
        }
        return *this;
    }
    H get() const { return h_; }
    explicit operator bool() const { return h_ != H{}; }
    H release() { return std::exchange(h_, H{}); }
    void reset(H h = H{}) {
        if (h_ != H{}) Traits::close(h_);
        h_ = h;
    }

private:
    H h_{};
};

struct KernelHandleTraits {
    static void close(HANDLE h) { CloseHandle(h); }
};
struct GdiObjectTraits {
    static void close(HGDIOBJ h) { DeleteObject(h); }
};
struct IconTraits {
    static void close(HICON h) { DestroyIcon(h); }
};
struct MenuTraits {
    static void close(HMENU h) { DestroyMenu(h); }
};
struct DcTraits {
    static void close(HDC h) { DeleteDC(h); }
};
struct RegistryKeyTraits {
    static void close(HKEY h) { RegCloseKey(h); }
};

using KernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using Pen = UniqueHandle<HPEN, GdiObjectTraits>;
using Brush = UniqueHandle<HBRUSH, GdiObjectTraits>;
using Font = UniqueHandle<HFONT, GdiObjectTraits>;
using Bitmap = UniqueHandle<HBITMAP, GdiObjectTraits>;
using Icon = UniqueHandle<HICON, IconTraits>;
using Menu = UniqueHandle<HMENU, MenuTraits>;
// A memory drawing surface from CreateCompatibleDC.
using MemoryDc = UniqueHandle<HDC, DcTraits>;
// An open registry key (see platform/registry.h).
using RegistryKey = UniqueHandle<HKEY, RegistryKeyTraits>;

// A window's drawing surface from GetDC, given back with ReleaseDC when it
// goes out of scope; empty when GetDC fails.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// The whole screen's surface, as GetDC(nullptr) gives it.
class ScreenDc final : public WindowDc {
public:
    ScreenDc() : WindowDc(nullptr) {}
};

}  // namespace marilo
