#pragma once
// A restartable periodic timer, as the controller uses its tick timer.

namespace marilo {

class TickTimer {
public:
    virtual ~TickTimer() = default;
    // Stops a running period, if any, and starts one of periodMs.
    virtual void start(int periodMs) = 0;
    virtual void stop() = 0;
    virtual bool running() const = 0;
};

}  // namespace marilo
