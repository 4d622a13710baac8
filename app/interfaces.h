#pragma once
// What the application needs from the world outside it, in one place: the
// clock, the notification area and its icon images, a restartable timer and
// the store that keeps the settings between runs, and the entry that starts
// the program when the user signs in. The Windows program (program/,
// render/) implements them; tests put recording doubles in
// their place, so every decision of the application runs anywhere.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calendar/clock.h"
#include "calendar/date_time.h"

namespace marilo {

// The present moment, two ways. now() is the machine's local date and time,
// as its calendar and clock show them (the date icons, the clock icon).
// zoneNow() is the same moment in the zone time of a standard meridian
// (degrees east), taken from UTC whatever the machine's time zone: the
// port's own clock, which every tide time is reckoned in. On a machine set
// to the port's zone the two agree. The system clock reads the program's one
// clock source (calendar/clock.h), the same one DateTime::setNow() reads.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
    virtual DateTime zoneNow(double meridianDegrees) const = 0;
};

class SystemClock final : public Clock {
public:
    DateTime now() const override { return DateTime(); }
    DateTime zoneNow(double meridianDegrees) const override {
        const CivilTime c = marilo::zoneNow(meridianDegrees);
        return DateTime(c.year, c.month, c.day, c.hour, c.minute);
    }
};

// An icon image as the shell takes it (on Windows an HICON), owned: the
// image is released with the function it came with when its owner goes.
class OwnedIcon {
public:
    using Release = void (*)(void* handle, void* context);
    OwnedIcon() = default;
    OwnedIcon(void* handle, Release release, void* context = nullptr) noexcept
        : handle_(handle), release_(release), context_(context) {}
    OwnedIcon(OwnedIcon&& o) noexcept
        : handle_(std::exchange(o.handle_, nullptr)), release_(o.release_), context_(o.context_) {}
    OwnedIcon& operator=(OwnedIcon&& o) noexcept {
        if (this != &o) {
            reset();
            handle_ = std::exchange(o.handle_, nullptr);
            release_ = o.release_;
            context_ = o.context_;
        }
        return *this;
    }
    OwnedIcon(const OwnedIcon&) = delete;
    OwnedIcon& operator=(const OwnedIcon&) = delete;
    ~OwnedIcon() { reset(); }

    void* get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    void reset() {
        if (handle_ && release_) release_(handle_, context_);
        handle_ = nullptr;
    }
    void* handle_ = nullptr;
    Release release_ = nullptr;
    void* context_ = nullptr;
};

// The notification area: add, modify and delete requests for numbered
// icons, each with an image and a tooltip (UTF-16, as the shell shows it;
// the implementation cuts it to what the shell holds). The shell keeps its own copy of the image.
// An add the shell refuses (at sign-in it may not be ready) returns false.
class NotifyArea {
public:
    virtual ~NotifyArea() = default;
    virtual bool add(int id, const OwnedIcon& icon, const std::u16string& tip) = 0;
    virtual void modify(int id, const OwnedIcon& icon, const std::u16string& tip) = 0;
    virtual void remove(int id) = 0;
};

// A restartable periodic timer, as the controller uses its tick timer.
class TickTimer {
public:
    virtual ~TickTimer() = default;
    // Stops a running period, if any, and starts one of periodMs.
    virtual void start(int periodMs) = 0;
    virtual void stop() = 0;
    virtual bool running() const = 0;
};

// Where the settings live between runs: integer, text and binary values by
// section and name, after the profile-style interface of the platform. The
// Windows registry implements it (program/registry_store.h); MemoryStore
// (app/memory_store.h) keeps the values in memory.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // A value that is absent or of another type reads as the default.
    virtual int32_t getInt(const char* section, const char* name, int32_t defaultValue) = 0;
    virtual std::string getText(const char* section, const char* name, const char* defaultValue) = 0;
    // At most `maxBytes` of the stored bytes, from the front; empty when the
    // value is absent. Never allocates more than what is stored.
    virtual std::vector<uint8_t> getBinary(const char* section, const char* name, std::size_t maxBytes) = 0;

    // Writes; a write that fails is lost silently.
    virtual void putInt(const char* section, const char* name, int32_t value) = 0;
    virtual void putText(const char* section, const char* name, const char* value) = 0;
    virtual void putBinary(const char* section, const char* name, const uint8_t* data, std::size_t size) = 0;

protected:
    SettingsStore() = default;
    SettingsStore(const SettingsStore&) = default;
    SettingsStore& operator=(const SettingsStore&) = default;
};

// The per-user entry that starts a program at sign-in, under one name: the
// command line the system runs, and the approval mark that the system's
// start-up manager keeps beside it (its first byte odd when the user has
// turned the entry off there). Paths are UTF-16, as the system keeps them.
// The Windows registry implements it (program/startup_registry.h).
class StartupEntry {
public:
    virtual ~StartupEntry() = default;
    // The command line, or nothing when there is no entry.
    virtual std::optional<std::wstring> command() = 0;
    // The approval mark's bytes; empty when there is none.
    virtual std::vector<uint8_t> approval() = 0;
    // Writes fail silently, leaving what was there.
    virtual void writeCommand(const std::wstring& commandLine) = 0;
    virtual void writeApproval(const std::vector<uint8_t>& mark) = 0;
    // Removes the command and its approval mark.
    virtual void remove() = 0;
};

}  // namespace marilo
