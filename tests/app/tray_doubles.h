#pragma once
// Recording stand-ins for the shell, the timer, the clock, the icon images
// and the tide, for driving the tray controller in tests.

#include <string>
#include <vector>

#include "app/tray_controller.h"
#include "platform/cp932.h"

namespace marilo::testing {

struct ShellCall {
    char action;  // 'A' add, 'M' modify, 'D' delete
    int id;
    std::string tip;  // as handed to the shell, read back in cp932
    int image;    // index into RecordingImages::made, -1 for deletes
    bool operator==(const ShellCall&) const = default;
};

class RecordingShell : public NotifyArea {
public:
    // Adds are refused while the shell is not ready (still recorded).
    bool add(int id, const OwnedIcon& icon, const std::u16string& tip) override {
        calls.push_back({'A', id, utf16ToCp932(tip), index(icon)});
        return ready;
    }
    void modify(int id, const OwnedIcon& icon, const std::u16string& tip) override {
        calls.push_back({'M', id, utf16ToCp932(tip), index(icon)});
    }
    void remove(int id) override { calls.push_back({'D', id, {}, -1}); }
    std::vector<int> ids(char action) const {
        std::vector<int> out;
        for (const ShellCall& c : calls)
            if (c.action == action) out.push_back(c.id);
        return out;
    }
    std::vector<ShellCall> calls;
    bool ready = true;

private:
    static int index(const OwnedIcon& icon) { return static_cast<int>(reinterpret_cast<intptr_t>(icon.get())) - 1; }
};

class RecordingImages : public TrayImages {
public:
    OwnedIcon dateIcon(const DateIconImage& image) override {
        made.push_back(image);
        clockMade.push_back(false);
        return handle();
    }
    OwnedIcon clockIcon(const AppSettings&, int hour, int minute) override {
        DateIconImage img;
        img.mode = -1;
        img.k = hour * 100 + minute;
        made.push_back(img);
        clockMade.push_back(true);
        return handle();
    }
    std::vector<DateIconImage> made;
    std::vector<bool> clockMade;
    int released = 0;

private:
    // Handles number the images made, from 1; each release is counted.
    OwnedIcon handle() {
        return OwnedIcon(reinterpret_cast<void*>(static_cast<intptr_t>(made.size())),
                         [](void*, void* self) { ++static_cast<RecordingImages*>(self)->released; }, this);
    }
};

class RecordingTimer : public TickTimer {
public:
    void start(int periodMs) override {
        periods.push_back(periodMs);
        on = true;
    }
    void stop() override { on = false; }
    bool running() const override { return on; }
    std::vector<int> periods;
    bool on = false;
};

// A clock at a set local time on a machine `utcOffsetMinutes` ahead of UTC
// (JST unless set otherwise).
class SettableClock : public Clock {
public:
    DateTime now() const override { return t; }
    DateTime zoneNow(double meridianDegrees) const override {
        const int64_t shift = static_cast<int64_t>(meridianDegrees * 4) - utcOffsetMinutes;
        const CivilTime c = civilFromEpoch(epochFromCivil({t.year, t.month, t.day, t.hour, t.minute, 0}) + shift * 60);
        return DateTime(c.year, c.month, c.day, c.hour, c.minute);
    }
    void set(int y, int mo, int d, int h, int mi) { t = DateTime(y, mo, d, h, mi); }
    DateTime t{2007, 3, 7, 12, 0};  // a Wednesday
    int utcOffsetMinutes = 9 * 60;
};

// Tide names and moon ages that tell the day they were asked for.
class FakeTide : public TideFacts {
public:
    DayFacts day(PortAddress, const DateTime& date) override {
        return {"潮" + std::to_string(date.day), moonAge >= 0 ? moonAge : date.day + 0.25};
    }
    double levelAt(PortAddress, const DateTime& when) override {
        levelAsked = when;
        return level;
    }
    // The alert scheduler's days: `days` with the date and port asked for;
    // every call is counted.
    AlertDays alertDays(PortAddress port, const DateTime& date) override {
        ++alertDaysSolved;
        AlertDays d = days;
        d.port = port;
        d.date = DateTime(date.year, date.month, date.day);
        return d;
    }
    double moonAge = -1;
    double level = 123.9;
    DateTime levelAsked;  // the moment of the last level
    AlertDays days;  // no turning points unless a test puts some in
    int alertDaysSolved = 0;
};

// The alert window: records what it was asked to show.
class RecordingAlerts : public AlertSink {
public:
    bool showAlert(const Alert& alert) override {
        shown.push_back(alert);
        return taskbar;
    }
    void setSoundOn(bool on) override { soundOn = on; }
    std::vector<Alert> shown;
    bool taskbar = true;
    bool soundOn = false;
};

}  // namespace marilo::testing
