#pragma once
// The fixed entries of the settings dialog's and the rule editor's lists, in
// index order (the index is what is stored). Texts are cp932; choiceLines()
// gives them in UTF-16, as the lists show them.

#include <cstdint>
#include <string>
#include <vector>

namespace marilo {

enum class Choice {
    GraphSize,    // グラフサイズ
    GraphShow,    // 干満表示
    LeadTime,     // 通知: the alert lead
    AxisTop,      // 上限: 300 down to 10
    AxisBottom,   // 下限: 0 down to -150
    AxisTick,     // 目盛: 10, 20, 50, 100
    Weekday,      // 日 .. 土
    DayOfMonth,   // 1 .. 31
    WeekNumber,   // 第１ .. 第５
    Month,        // 1月 .. 12月
    Day,          // 1日 .. 31日
    RuleColor,    // 黒 赤 青 緑 水 黄 紅
};

std::vector<std::string> choiceItems(Choice list);
std::vector<std::u16string> choiceLines(Choice list);
int32_t choiceCount(Choice list);

}  // namespace marilo
