#include "program/window_timer.h"

namespace marilo {

void WindowTimer::start(int periodMs) {
    stop();
    running_ = hwnd_ && SetTimer(hwnd_, id_, static_cast<UINT>(periodMs), nullptr) != 0;
}

void WindowTimer::stop() {
    if (running_ && hwnd_) KillTimer(hwnd_, id_);
    running_ = false;
}

}  // namespace marilo
