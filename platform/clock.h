#pragma once
// The local clock behind an interface, so that code deciding on the time of
// day can be run against any moment.

#include "calendar/date_time.h"

namespace marilo {

class Clock {
public:
    virtual ~Clock() = default;
    // The present local date and time, to the minute.
    virtual DateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    DateTime now() const override { return DateTime(); }
};

}  // namespace marilo
