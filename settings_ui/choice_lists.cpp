#include "settings_ui/choice_lists.h"

#include <string>

#include "calendar/color_rules.h"
#include "platform/cp932.h"

namespace marilo {

namespace {

std::vector<std::string> numbers(int first, int last, int step, const char* suffix = "") {
    std::vector<std::string> out;
    for (int v = first; step > 0 ? v <= last : v >= last; v += step) out.push_back(std::to_string(v) + suffix);
    return out;
}

}  // namespace

std::vector<std::string> choiceItems(Choice list) {
    switch (list) {
        case Choice::GraphSize: return {"１倍⇔２倍表示", "２倍⇔３倍表示", "１倍⇔３倍表示"};
        case Choice::GraphShow: return {"表示しない", "マークのみ", "時刻", "潮位", "時刻＆潮位"};
        case Choice::LeadTime: return {"JUST", "５分前", "15分前", "30分前", "１時間前", "２時間前", "３時間前"};
        case Choice::AxisTop: return numbers(300, 10, -10);
        case Choice::AxisBottom: return numbers(0, -150, -10);
        case Choice::AxisTick: return {"10", "20", "50", "100"};
        case Choice::Weekday: return {"日", "月", "火", "水", "木", "金", "土"};
        case Choice::DayOfMonth: return numbers(1, 31, 1);
        case Choice::WeekNumber: return {"第１", "第２", "第３", "第４", "第５"};
        case Choice::Month: return numbers(1, 12, 1, "月");
        case Choice::Day: return numbers(1, 31, 1, "日");
        case Choice::RuleColor: return {RuleColorNames, RuleColorNames + kRuleColorCount};
    }
    return {};
}

int32_t choiceCount(Choice list) { return static_cast<int32_t>(choiceItems(list).size()); }

std::vector<std::u16string> choiceLines(Choice list) {
    std::vector<std::u16string> lines;
    for (const std::string& item : choiceItems(list)) lines.push_back(cp932ToUtf16(item));
    return lines;
}

}  // namespace marilo
