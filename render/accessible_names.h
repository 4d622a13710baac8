#pragma once
// What a screen reader hears for the pictures Marilo draws: the popup menu's
// graph item and calendar strip, a day of the month window and the graph
// window's readout. Plain functions from plain data to the UTF-16 text the
// accessibility interfaces hand out; times, levels and dates in words a
// reader speaks well ("8時07分", "136センチ"), not the drawn "H  8:07 136".

#include <cstdint>
#include <string>

#include "calendar/date_time.h"
#include "engine/tide_month.h"

namespace marilo {

// One high or low water: "満潮 8時07分 136センチ" / "干潮 14時44分 30センチ";
// empty for any other kind.
std::u16string waterWords(const TideExtreme& water);

// A day with its tide name, the principal phase of the moon when one falls
// on it, and its high and low waters in time order, separated by ", ":
// "3月1日 中潮 満潮 8時07分 136センチ, 干潮 14時44分 30センチ". With the
// weekday: "3月1日(金) 中潮 ...". The graph item and the month window's days.
std::u16string dayWords(const MonthDay& day, bool withWeekday);

// A date as the strip's names give it: "3月1日", with the year in front when
// it differs from `yearShown`: "2025年1月1日".
std::u16string dateWords(const DateTime& date, int32_t yearShown);

// A button of the calendar strip (0..4: ≪ < ■ > ≫) on the shown day, and
// where it leads: "前月 2月1日", "前日 2月29日", "今日 3月5日", "翌日 3月2日",
// "翌月 4月1日". Empty for another number.
std::u16string stripButtonWords(int button, const DateTime& today, int32_t offset);

// The whole strip: the day shown and each button with its day and its key,
// "3月1日を表示中: 前月 2月1日 (キー [), 前日 2月29日 (キー <), 今日 3月5日
// (Enter), 翌日 3月2日 (キー >), 翌月 4月1日 (キー ])".
std::u16string stripWords(const DateTime& today, int32_t offset);

// The month window as a whole: "月間潮見表 2024年3月".
std::u16string monthWindowWords(int32_t year, int32_t month);

// The graph window as a whole: "潮位グラフ " and the day's words.
std::u16string graphWindowWords(const MonthDay& day);

// The graph window's readout at a minute of the day (0..1440):
// "8時00分 潮位 123センチ".
std::u16string readoutWords(int32_t minuteOfDay, double level);
// The same with its date in front, when the window shows several days:
// "1月12日 6時00分 潮位 120センチ".
std::u16string readoutWords(const DateTime& date, int32_t minuteOfDay, double level);

}  // namespace marilo
