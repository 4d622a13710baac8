#include "app/tray_logic.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/moon.h"
#include "engine/tide_month.h"
#include "platform/cp932.h"

namespace marilo {

int32_t effectiveTrayMode(int32_t trayIcon) {
    return trayIcon >= kModeAppIcon && trayIcon <= kModeMoon ? trayIcon : kModeMoon;
}

int32_t shownTrayMode(const AppSettings& settings) { return effectiveTrayMode(settings.TrayIcon); }

int dateIconCount(int32_t mode) {
    switch (mode) {
        case kModeAppIcon:
        case kModeDay:
        case kModeMonthDay:
        case kModeDayWeekday:
        case kModeMoon: return 1;
        case kModeTwoIcons: return 2;
        case kModeThreeIcons: return 3;
        case kModeFourIcons: return 4;
        case kModeWeek: return 7;
        default: return 0;
    }
}

int imageIndexOf(int iconNumber, int n, bool reverse) { return reverse ? n - iconNumber : iconNumber - 1; }

int tickPeriodMs(bool trayClock, bool alert, int hour, int minute) {
    if (trayClock || alert) return 5000;
    if (hour != 23) return 3600000;
    if (minute < 50) return 600000;
    if (minute <= 58) return 60000;
    return 5000;
}

void IconAddRetry::added(int id, bool accepted) {
    const auto at = std::lower_bound(missing_.begin(), missing_.end(), id);
    const bool listed = at != missing_.end() && *at == id;
    if (!accepted && !listed) missing_.insert(at, id);
    if (accepted && listed) removed(id);
}

void IconAddRetry::removed(int id) {
    missing_.erase(std::remove(missing_.begin(), missing_.end(), id), missing_.end());
    if (missing_.empty()) restart();  // a later refusal starts from 1 s again
}

std::optional<int> IconAddRetry::nextDelayMs() {
    if (missing_.empty()) return std::nullopt;
    const int delay = attempts_ >= 6 ? kLongestDelayMs : std::min(kFirstDelayMs << attempts_, kLongestDelayMs);
    if (waitedMs_ + delay > kGiveUpAfterMs) return std::nullopt;
    ++attempts_;
    waitedMs_ += delay;
    return delay;
}

void IconAddRetry::restart() {
    attempts_ = 0;
    waitedMs_ = 0;
}

bool clickOpensMenu(int32_t mousePop, int mouseMessage, bool popupsEnabled) {
    if (!popupsEnabled) return false;
    if (mousePop < 0 || mousePop > 2) mousePop = 0;
    if (mouseMessage == kMouseLeftUp) return mousePop == 1 || mousePop == 2;
    if (mouseMessage == kMouseRightUp) return mousePop == 0 || mousePop == 2;
    return false;
}

int32_t dayOffsetForClick(int32_t currentOffset, bool popCalMode, int32_t mode, bool reverse, int iconNumber,
                          int todayWeekday) {
    int32_t offset = popCalMode ? 0 : currentOffset;
    if (mode == kModeWeek) {
        if (iconNumber == kClockIconId) {
            offset = 0;
        } else if (iconNumber >= 1 && iconNumber <= 7) {
            offset = imageIndexOf(iconNumber, 7, reverse) - todayWeekday;
        }
    }
    return offset;
}

int calendarStripButton(int x, int itemWidth, const StripFrame& strip) {
    // A menu opened to the left of the click point ends at it.
    return strip.buttonAt(x < 0 ? x + itemWidth : x, itemWidth);
}

char stripButtonKey(int button) {
    static constexpr char kKeys[] = {'[', '<', 0, '>', ']'};
    return button >= 0 && button < StripFrame::kButtons ? kKeys[button] : 0;
}

int stripButtonForKey(uint32_t character) {
    for (int b = 0; b < StripFrame::kButtons; ++b)
        if (stripButtonKey(b) != 0 && character == static_cast<unsigned char>(stripButtonKey(b))) return b;
    // The same keys with or without Shift, and what they type with the
    // input method on.
    switch (character) {
        case u'{': case u'\uFF3B': case u'\u300C': return 0;                   // ［ 「
        case u',': case u'\uFF1C': case u'\uFF0C': case u'\u3001': return 1;  // ＜ ， 、
        case u'.': case u'\uFF1E': case u'\uFF0E': case u'\u3002': return 3;  // ＞ ． 。
        case u'}': case u'\uFF3D': case u'\u300D': return 4;                   // ］ 」
        default: return -1;
    }
}

DateTime shownDay(const DateTime& today, int32_t offset) {
    DateTime d(today.year, today.month, today.day);
    d.addDays(offset);
    return d;
}

int32_t dayOffsetAfterStripButton(const DateTime& today, int32_t offset, int button) {
    const DateTime d = shownDay(today, offset);
    switch (button) {
        case 0: {
            const int prevMonth = d.month == 1 ? 12 : d.month - 1;
            const int prevYear = d.month == 1 ? d.year - 1 : d.year;
            const int prevDays = DateTime(prevYear, prevMonth, 1).daysInMonth;
            return d.day <= prevDays ? offset - prevDays : offset - d.day;
        }
        case 1: return offset - 1;
        case 2: return 0;
        case 3: return offset + 1;
        case 4: {
            const int nextMonth = d.month == 12 ? 1 : d.month + 1;
            const int nextYear = d.month == 12 ? d.year + 1 : d.year;
            const int nextDays = DateTime(nextYear, nextMonth, 1).daysInMonth;
            return d.day <= nextDays ? offset + d.daysInMonth : offset + (d.daysInMonth - d.day + nextDays);
        }
        default: return offset;
    }
}

std::string portChooserTitle(const char* portName) { return std::string("場所設定(") + portName + ")"; }

std::string highLowLine(const HighLowEntry& e) {
    return waterText(e.kind, e.hour, e.minute, e.level).text;
}

std::string highLowText(const std::vector<HighLowEntry>& extremes) {
    std::string text;
    for (size_t i = 0; i < 4; ++i) {
        if (i < extremes.size()) text += highLowLine(extremes[i]);
        text += '\n';
    }
    return text;
}

IconFigures iconFigures(int32_t mode, int k, const DateTime& shown) {
    char a[16] = "", b[16] = "";
    switch (mode) {
        case kModeDay: std::snprintf(a, sizeof a, "%d", shown.day); break;
        case kModeMonthDay:
            std::snprintf(a, sizeof a, "%d", shown.month);
            std::snprintf(b, sizeof b, "%d", shown.day);
            break;
        case kModeDayWeekday:
        case kModeWeek:
            std::snprintf(a, sizeof a, "%d", shown.day);
            std::snprintf(b, sizeof b, "%s", shown.weekdayName);
            break;
        case kModeTwoIcons: std::snprintf(a, sizeof a, "%d", k == 0 ? shown.month : shown.day); break;
        case kModeThreeIcons:
            if (k == 0) std::snprintf(a, sizeof a, "%02d", shown.year % 100);
            else std::snprintf(a, sizeof a, "%d", k == 1 ? shown.month : shown.day);
            break;
        case kModeFourIcons:
            if (k == 0) std::snprintf(a, sizeof a, "%02d", shown.year / 100);
            else if (k == 1) std::snprintf(a, sizeof a, "%02d", shown.year % 100);
            else std::snprintf(a, sizeof a, "%d", k == 2 ? shown.month : shown.day);
            break;
        default: break;
    }
    return {cp932ToUtf16(a), cp932ToUtf16(b)};
}

DateTime iconDay(int32_t mode, int k, const DateTime& today) {
    return shownDay(today, mode == kModeWeek ? k - today.weekday : 0);
}

bool isLightDateColor(uint32_t color) { return color == 0xC0C000 || color == 0x00C0C0; }

}  // namespace marilo
