#include "calendar/clock.h"

#include <ctime>

#include "calendar/date_time.h"

namespace marilo {

namespace {

int64_t& offsetSeconds() {
    static int64_t offset = 0;
    return offset;
}

bool digitsAt(std::string_view s, size_t pos, size_t n, int32_t& out) {
    out = 0;
    for (size_t i = pos; i < pos + n; ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        out = out * 10 + (s[i] - '0');
    }
    return true;
}

}  // namespace

void setClockOffset(int64_t seconds) { offsetSeconds() = seconds; }

int64_t epochNow() { return static_cast<int64_t>(std::time(nullptr)) + offsetSeconds(); }

CivilTime localNow() {
    const std::time_t now = static_cast<std::time_t>(epochNow());
    std::tm t{};
#ifdef _WIN32
    localtime_s(&t, &now);
#else
    localtime_r(&now, &t);
#endif
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

CivilTime civilFromEpoch(int64_t seconds) {
    const int64_t days = seconds / 86400 - (seconds % 86400 < 0);
    const int64_t rest = seconds - days * 86400;
    int64_t y, m, d;
    civilFromDays(days, y, m, d);
    CivilTime c;
    c.year = static_cast<int32_t>(y);
    c.month = static_cast<int32_t>(m);
    c.day = static_cast<int32_t>(d);
    c.hour = static_cast<int32_t>(rest / 3600);
    c.minute = static_cast<int32_t>(rest / 60 % 60);
    c.second = static_cast<int32_t>(rest % 60);
    return c;
}

int64_t epochFromCivil(const CivilTime& utc) {
    return daysFromCivil(utc.year, utc.month, utc.day) * 86400 + utc.hour * 3600 + utc.minute * 60 + utc.second;
}

CivilTime zoneNow(double meridianDegrees) {
    // Four minutes of time to the degree.
    return civilFromEpoch(epochNow() + static_cast<int64_t>(meridianDegrees * 240));
}

void startClockAt(const CivilTime& local) {
    std::tm t{};
    t.tm_year = local.year - 1900;
    t.tm_mon = local.month - 1;
    t.tm_mday = local.day;
    t.tm_hour = local.hour;
    t.tm_min = local.minute;
    t.tm_sec = local.second;
    t.tm_isdst = -1;  // whatever the zone's rule is on that date
    const std::time_t target = std::mktime(&t);
    if (target == static_cast<std::time_t>(-1)) return;
    setClockOffset(static_cast<int64_t>(target) - static_cast<int64_t>(std::time(nullptr)));
}

std::optional<CivilTime> parseClockStart(std::string_view s) {
    CivilTime c;
    if ((s.size() != 16 && s.size() != 19) || s[4] != '-' || s[7] != '-' || s[10] != 'T' || s[13] != ':')
        return std::nullopt;
    if (s.size() == 19 && (s[16] != ':' || !digitsAt(s, 17, 2, c.second) || c.second > 59)) return std::nullopt;
    if (!digitsAt(s, 0, 4, c.year) || !digitsAt(s, 5, 2, c.month) || !digitsAt(s, 8, 2, c.day) ||
        !digitsAt(s, 11, 2, c.hour) || !digitsAt(s, 14, 2, c.minute))
        return std::nullopt;
    if (c.year < 1970 || c.month < 1 || c.month > 12 || c.day < 1 || c.hour > 23 || c.minute > 59)
        return std::nullopt;
    if (c.day > daysInMonthOf(c.year, c.month)) return std::nullopt;
    return c;
}

bool startClockFrom(std::string_view text) {
    const std::optional<CivilTime> start = parseClockStart(text);
    if (start) startClockAt(*start);
    return start.has_value();
}

}  // namespace marilo
