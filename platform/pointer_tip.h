#pragma once
// A tooltip that follows the pointer over a window's client area: one tool
// covering it, whose text the window changes as the pointer moves, shown at
// once. The tooltip control belongs to the window and goes with it.

#include <windows.h>

#include <string>

namespace marilo {

class PointerTip {
public:
    // Makes the control for `owner`; lines break where the text does, up to
    // `maxWidth` pixels. A tip that cannot be made stays silent.
    void create(HWND owner, int maxWidth, int showMilliseconds);
    // The text, and the tool again over the whole client area (which may
    // have changed size).
    void setText(std::wstring text);
    // A mouse move the owner received, handed on so that the tip shows.
    void relay(WPARAM wp, LPARAM lp);
    // The same kind of tip for what the keyboard points at: shown at `at`
    // (screen coordinates) until hideShown, another showAt or the owner goes.
    void showAt(POINT at, std::wstring text);
    void hideShown();
    // The owner is going: its tooltip control goes with it.
    void forget() { tip_ = nullptr; }
    explicit operator bool() const { return tip_ != nullptr; }

private:
    HWND owner_ = nullptr;
    HWND tip_ = nullptr;
    std::wstring text_;  // the control reads it from here
    std::wstring shownText_;
    bool shownTool_ = false;  // the keyboard's tool has been added
    bool shown_ = false;
};

}  // namespace marilo
