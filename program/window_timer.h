#pragma once
// The controller's tick timer as a window timer.

#include <utility>

#include "app/interfaces.h"
#include "platform/handle.h"

namespace marilo {

// A window timer used as the controller's tick timer. Move-only: the timer
// belongs to one owner, which stops it when it goes.
class WindowTimer final : public TickTimer {
public:
    WindowTimer(HWND hwnd, UINT_PTR id) : hwnd_(hwnd), id_(id) {}
    ~WindowTimer() override { stop(); }
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;
    WindowTimer(WindowTimer&& o) noexcept
        : hwnd_(o.hwnd_), id_(o.id_), running_(std::exchange(o.running_, false)) {}
    WindowTimer& operator=(WindowTimer&& o) noexcept {
        if (this != &o) {
            stop();
            hwnd_ = o.hwnd_;
            id_ = o.id_;
            running_ = std::exchange(o.running_, false);
        }
        return *this;
    }
    void start(int periodMs) override;
    void stop() override;
    bool running() const override { return running_; }
    void attach(HWND hwnd) { hwnd_ = hwnd; }

private:
    HWND hwnd_;
    UINT_PTR id_;
    bool running_ = false;
};

}  // namespace marilo
