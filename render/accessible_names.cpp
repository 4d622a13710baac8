#include "render/accessible_names.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "app/tray_logic.h"
#include "base/shown_number.h"
#include "platform/cp932.h"

namespace marilo {

namespace {

// A cp932 name without the padding the engine's fixed fields carry
// (ASCII spaces and the ideographic space 0x8140).
std::string_view trimmed(std::string_view s) {
    for (;;) {
        if (!s.empty() && (s.front() == ' ' || s.front() == '\0')) s.remove_prefix(1);
        else if (s.size() >= 2 && s[0] == '\x81' && s[1] == '\x40') s.remove_prefix(2);
        else break;
    }
    for (;;) {
        if (!s.empty() && (s.back() == ' ' || s.back() == '\0')) s.remove_suffix(1);
        else if (s.size() >= 2 && s[s.size() - 2] == '\x81' && s.back() == '\x40') s.remove_suffix(2);
        else break;
    }
    return s;
}

std::string_view field(const char* text, std::size_t size) {
    std::size_t n = 0;
    while (n < size && text[n] != '\0') ++n;
    return trimmed({text, n});
}

// A level in whole centimetres, rounded as the picture's numbers are; never "-0".
std::string centimetres(double level) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f", std::isfinite(level) ? shownNumber(level, 0) : 0.0);
    return buf;
}

std::string timeWords(int32_t hour, int32_t minute) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d時%02d分", static_cast<int>(hour), static_cast<int>(minute));
    return buf;
}

std::string dateText(const DateTime& date, int32_t yearShown) {
    char buf[40];
    if (date.year != yearShown)
        std::snprintf(buf, sizeof buf, "%d年%d月%d日", date.year, date.month, date.day);
    else
        std::snprintf(buf, sizeof buf, "%d月%d日", date.month, date.day);
    return buf;
}

// The principal phases by number (MonthDay::phaseNumber): spoken names
// rather than the single characters the picture draws.
const char* phaseWords(int32_t phase) {
    switch (phase) {
        case 1:
        case 5: return "新月";
        case 2: return "上弦";
        case 3: return "満月";
        case 4: return "下弦";
        default: return nullptr;
    }
}

std::string waterPhrase(const TideExtreme& w) {
    if ((w.kind != kHighWater && w.kind != kLowWater) || w.hour < 0 || w.hour >= 24) return {};
    std::string text = w.kind == kHighWater ? "満潮 " : "干潮 ";
    text += timeWords(w.hour, w.minute);
    text += ' ';
    text += centimetres(w.level);
    text += "センチ";
    return text;
}

const char* const kStripButtonWords[StripFrame::kButtons] = {"前月", "前日", "今日", "翌日", "翌月"};

std::string stripButtonText(int button, const DateTime& today, int32_t offset) {
    if (button < 0 || button >= StripFrame::kButtons) return {};
    const DateTime shown = shownDay(today, offset);
    const DateTime target = shownDay(today, dayOffsetAfterStripButton(today, offset, button));
    std::string text = kStripButtonWords[button];
    text += ' ';
    text += dateText(target, shown.year);
    return text;
}

}  // namespace

std::u16string waterWords(const TideExtreme& water) { return cp932ToUtf16(waterPhrase(water)); }

std::u16string dayWords(const MonthDay& day, bool withWeekday) {
    std::string text = dateText(day.date, day.date.year);
    if (withWeekday) {
        text += '(';
        text += field(day.date.weekdayName, sizeof day.date.weekdayName);
        text += ')';
    }
    const std::string_view tide = field(day.tideName, sizeof day.tideName);
    if (!tide.empty()) {
        text += ' ';
        text += tide;
    }
    if (const char* phase = day.hasPhase() ? phaseWords(day.phaseNumber) : nullptr) {
        text += ' ';
        text += phase;
    }
    const char* separator = " ";
    for (int32_t i = 0; i < day.waterCount && i < kMonthDayWaters; ++i) {
        const std::string water = waterPhrase(day.waters[i]);
        if (water.empty()) continue;
        text += separator;
        text += water;
        separator = ", ";
    }
    return cp932ToUtf16(text);
}

std::u16string dateWords(const DateTime& date, int32_t yearShown) { return cp932ToUtf16(dateText(date, yearShown)); }

std::u16string stripButtonWords(int button, const DateTime& today, int32_t offset) {
    return cp932ToUtf16(stripButtonText(button, today, offset));
}

std::u16string stripWords(const DateTime& today, int32_t offset) {
    const DateTime shown = shownDay(today, offset);
    std::string text = dateText(shown, shown.year);
    text += "を表示中:";
    for (int b = 0; b < StripFrame::kButtons; ++b) {
        text += b == 0 ? " " : ", ";
        text += stripButtonText(b, today, offset);
        // The key that presses it while the menu is open.
        const char key = stripButtonKey(b);
        text += key != 0 ? std::string(" (キー ") + key + ")" : std::string(" (Enter)");
    }
    return cp932ToUtf16(text);
}

std::u16string monthWindowWords(int32_t year, int32_t month) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "月間潮見表 %d年%d月", static_cast<int>(year), static_cast<int>(month));
    return cp932ToUtf16(buf);
}

std::u16string graphWindowWords(const MonthDay& day) { return u"潮位グラフ " + dayWords(day, false); }

std::u16string readoutWords(int32_t minuteOfDay, double level) {
    std::string text = timeWords(minuteOfDay / 60, minuteOfDay % 60);
    text += " 潮位 ";
    text += centimetres(level);
    text += "センチ";
    return cp932ToUtf16(text);
}

std::u16string readoutWords(const DateTime& date, int32_t minuteOfDay, double level) {
    return cp932ToUtf16(dateText(date, date.year) + ' ') + readoutWords(minuteOfDay, level);
}

}  // namespace marilo
