#pragma once
// The month picture as a scene: a calendar of one month at a port, seven
// columns from 日 to 土 (the weekday names in the colours the date rules give
// them), five or six rows of days, and the port's name under the grid. Each
// day's cell holds its date in its rule colour (holidays included), the
// moon's icon, the tide name, the principal phase when one falls on it and
// the day's high and low waters as 干満時刻 writes them; today's cell is
// framed. Laid out for a 96-dpi screen; on another every length is scaled by
// dpi / 96 like the graph's (scaledLength), and the fonts keep their point
// sizes at that dpi, so the picture is as large on any screen.

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/color_rules.h"
#include "engine/tide_month.h"
#include "base/theme.h"
#include "render/scene.h"

namespace marilo {

// What the picture shows.
struct MonthPicture {
    TideMonth month;
    uint32_t dateColors[31]{};   // each day's rule colour, 0 when no rule matches
    uint32_t weekdayColors[7]{};  // 日..土: the colour of the first weekly rule for the weekday, else 0
    int32_t today = 0;            // day of the month framed, 0 when today lies in another month
    Theme theme{};                // the system's, for the palette it is drawn with
};

// The month coloured by `rules` (period runs laid out in now's year), with
// today taken from `now`, the present moment in the port's zone time.
MonthPicture monthPictureOf(const TideMonth& month, const RuleList& rules, const DateTime& now);

// Colours in the light palette (base/theme.h) and sizes.
constexpr uint32_t kMonthPaper = lightPalette().monthPaper;
constexpr uint32_t kMonthOutside = lightPalette().monthOutside;  // cells of the months before and after
constexpr uint32_t kMonthGrid = lightPalette().monthGrid;
constexpr uint32_t kMonthText = lightPalette().monthText;  // also the date colour when no rule matches
constexpr uint32_t kMonthWaters = lightPalette().monthWaters;
constexpr uint32_t kMonthToday = lightPalette().monthToday;
constexpr int kMonthCellWidth = 84;  // at 96 dpi
constexpr int kMonthCellHeight = 86;

// Rows of the grid: 6 when the month runs into a sixth week, otherwise 5
// (a February of 28 days from a Sunday keeps an empty fifth row).
int monthRows(const TideMonth& month);
int monthPictureWidth(int dpi);
int monthPictureHeight(const TideMonth& month, int dpi);
int monthPictureHeightOf(int rows, int dpi);

Scene monthScene(const MonthPicture& picture, int dpi);

// The day of the month whose cell holds the point (x, y) of the picture at
// `dpi`, or 0 for a point outside the month's days.
int monthDayAt(const TideMonth& month, int dpi, int x, int y);
// The month window's title, "月間潮見表 2024年3月 田子の浦", and the file name
// its save dialog suggests, "2024-03.png"; UTF-16, as the window shows them.
std::u16string monthWindowTitle(const MonthPicture& picture);
std::u16string monthFileName(const MonthPicture& picture);

// The month `delta` months from year/month, held within 1000-01..9999-12.
void stepMonth(int32_t& year, int32_t& month, int delta);

// The texts of day `day`'s cell in drawing order (cp932): the date, the tide
// name, the phase name when one falls, then one line per high or low water.
std::vector<std::string> monthCellTexts(const Scene& scene, const MonthPicture& picture, int day, int dpi);

}  // namespace marilo

namespace marilo {

// The cell of day `day` (1-based) in the picture at `dpi`, right and bottom
// exclusive: where the month window draws its keyboard focus and what it
// reports as the day's place.
SceneFill monthCellBox(const TideMonth& month, int day, int dpi);

}  // namespace marilo
