#include "render/month_geometry.h"

#include <cstdio>

#include "base/screen_scale.h"
#include "platform/cp932.h"
#include "render/graph_geometry.h"

namespace marilo {

namespace {

constexpr const char* kWeekdayNames[7] = {"日", "月", "火", "水", "木", "金", "土"};

// At 96 dpi: margins, the title band, the weekday row, the port's line.
constexpr int kMargin = 4;
constexpr int kTitleHeight = 22;
constexpr int kWeekdayHeight = 16;
constexpr int kFooterHeight = 18;
constexpr int kLineHeight = 11;  // of the 8-point font

// A label as the scene carries it: formatted in cp932, shown in UTF-16.
std::u16string format(const char* fmt, auto... args) {
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, args...);
    return cp932ToUtf16(buf);
}

// The picture's lengths on a screen of `dpi`: the cells keep one size, so
// the grid stays regular.
struct MonthFrame {
    int dpi;
    int px(int length) const { return scaledLength(length, dpi); }
    int cellWidth() const { return px(kMonthCellWidth); }
    int cellHeight() const { return px(kMonthCellHeight); }
    int gridLeft() const { return px(kMargin); }
    int gridTop() const { return px(kMargin + kTitleHeight + kWeekdayHeight); }
    // Top-left corner of the cell of a day (1-based).
    ScenePoint cellOf(const TideMonth& m, int day) const {
        const int k = m.firstWeekday + day - 1;
        return {gridLeft() + (k % 7) * cellWidth(), gridTop() + (k / 7) * cellHeight()};
    }
};

void frame(Scene& scene, int left, int top, int right, int bottom, uint32_t color) {
    // Lines leave out their end point: the corners are closed by the next line.
    scene.elements.push_back(SceneLine{{left, top}, {right, top}, color});
    scene.elements.push_back(SceneLine{{right, top}, {right, bottom}, color});
    scene.elements.push_back(SceneLine{{right, bottom}, {left, bottom}, color});
    scene.elements.push_back(SceneLine{{left, bottom}, {left, top}, color});
}

}  // namespace

MonthPicture monthPictureOf(const TideMonth& month, const RuleList& rules, const DateTime& now) {
    MonthPicture p;
    p.month = month;
    for (int k = 0; k < month.dayCount; ++k) p.dateColors[k] = rules.colorForDate(month.days[k].date, now.year);
    for (int w = 0; w < 7; ++w)
        for (const DateColorRule& r : rules)
            if (r.kind == Weekly && r.weekday == w) {
                p.weekdayColors[w] = r.colorIndex >= 0 && r.colorIndex < kRuleColorCount ? RuleColors[r.colorIndex] : 0;
                break;
            }
    if (now.year == month.year && now.month == month.month) p.today = now.day;
    return p;
}

int monthRows(const TideMonth& month) { return month.firstWeekday + month.dayCount > 35 ? 6 : 5; }

int monthPictureWidth(int dpi) {
    const MonthFrame f{dpi};
    return 2 * f.gridLeft() + 7 * f.cellWidth() + 1;
}

int monthPictureHeight(const TideMonth& month, int dpi) { return monthPictureHeightOf(monthRows(month), dpi); }

int monthPictureHeightOf(int rows, int dpi) {
    const MonthFrame f{dpi};
    return f.gridTop() + rows * f.cellHeight() + 1 + f.px(kFooterHeight + kMargin);
}

Scene monthScene(const MonthPicture& picture, int dpi) {
    const MonthFrame f{dpi};
    const auto px = [&f](int length) { return f.px(length); };
    const TideMonth& m = picture.month;
    const Palette p = paletteOf(picture.theme);
    const SceneFont font{"ＭＳ ゴシック", 8};
    const SceneFont titleFont{"ＭＳ ゴシック", 12};
    const int cw = f.cellWidth(), ch = f.cellHeight();
    const int rows = monthRows(m);
    const int left = f.gridLeft(), top = f.gridTop();
    const int right = left + 7 * cw, bottom = top + rows * ch;

    Scene scene;
    scene.width = monthPictureWidth(dpi);
    scene.height = monthPictureHeight(m, dpi);
    scene.dpi = dpi;
    scene.elements.push_back(SceneFill{0, 0, scene.width, scene.height, p.monthPaper});

    scene.elements.push_back(SceneText{{left + px(2), px(kMargin)}, format("%d年%d月", m.year, m.month), p.monthText,
                                       titleFont, HAlign::Left, VAlign::Top});
    for (int w = 0; w < 7; ++w)
        scene.elements.push_back(SceneText{{left + w * cw + cw / 2, top - px(2)}, cp932ToUtf16(kWeekdayNames[w]),
                                           userColorOn(p, picture.weekdayColors[w], p.monthText, p.monthPaper),
                                           font, HAlign::Center, VAlign::Bottom});

    // Cells outside the month, then the grid.
    const int used = m.firstWeekday + m.dayCount;
    for (int k = 0; k < rows * 7; ++k)
        if (k < m.firstWeekday || k >= used) {
            const int x = left + (k % 7) * cw, y = top + (k / 7) * ch;
            scene.elements.push_back(SceneFill{x, y, x + cw, y + ch, p.monthOutside});
        }
    for (int r = 0; r <= rows; ++r)
        scene.elements.push_back(SceneLine{{left, top + r * ch}, {right + 1, top + r * ch}, p.monthGrid});
    for (int c = 0; c <= 7; ++c)
        scene.elements.push_back(SceneLine{{left + c * cw, top}, {left + c * cw, bottom + 1}, p.monthGrid});

    for (int day = 1; day <= m.dayCount; ++day) {
        const MonthDay& d = m.days[day - 1];
        const ScenePoint at = f.cellOf(m, day);
        const uint32_t dateColor = userColorOn(p, picture.dateColors[day - 1], p.monthText, p.monthPaper);
        scene.elements.push_back(SceneText{{at.x + px(3), at.y + px(3)}, format("%d", day), dateColor, font,
                                           HAlign::Left, VAlign::Top});
        if (!p.systemColors)
            scene.elements.push_back(SceneIcon{moonIconOf(d.moonAge), {at.x + cw - px(18), at.y + px(2)}, px(16)});
        scene.elements.push_back(SceneText{{at.x + px(3), at.y + px(18)}, cp932ToUtf16(d.tideName), p.monthText, font,
                                           HAlign::Left, VAlign::Top});
        if (d.hasPhase())
            scene.elements.push_back(SceneText{{at.x + cw - px(3), at.y + px(18)}, cp932ToUtf16(d.phaseName),
                                               p.monthText, font, HAlign::Right, VAlign::Top});
        for (int w = 0; w < d.waterCount; ++w)
            scene.elements.push_back(SceneText{{at.x + px(3), at.y + px(30 + w * kLineHeight)},
                                               cp932ToUtf16(waterText(d.waters[w]).text), p.monthWaters, font,
                                               HAlign::Left, VAlign::Top});
        if (day == picture.today) {
            frame(scene, at.x + 1, at.y + 1, at.x + cw - 1, at.y + ch - 1, p.monthToday);
            frame(scene, at.x + 2, at.y + 2, at.x + cw - 2, at.y + ch - 2, p.monthToday);
        }
    }

    scene.elements.push_back(SceneText{{left + px(2), bottom + px(4)}, cp932ToUtf16(m.portName), p.monthText, font,
                                       HAlign::Left, VAlign::Top});
    return scene;
}

std::u16string monthWindowTitle(const MonthPicture& picture) {
    char title[64];
    std::snprintf(title, sizeof title, "月間潮見表 %d年%d月 %s", picture.month.year, picture.month.month,
                  picture.month.portName);
    return cp932ToUtf16(title);
}

std::u16string monthFileName(const MonthPicture& picture) {
    return format("%d-%02d.png", picture.month.year, picture.month.month);
}

std::vector<std::string> monthCellTexts(const Scene& scene, const MonthPicture& picture, int day, int dpi) {
    std::vector<std::string> texts;
    if (day < 1 || day > picture.month.dayCount) return texts;
    const MonthFrame f{dpi};
    const ScenePoint at = f.cellOf(picture.month, day);
    for (const SceneText& t : scene.all<SceneText>())
        if (t.at.x >= at.x && t.at.x < at.x + f.cellWidth() && t.at.y >= at.y && t.at.y < at.y + f.cellHeight())
            texts.push_back(utf16ToCp932(t.text));
    return texts;
}

int monthDayAt(const TideMonth& month, int dpi, int x, int y) {
    const MonthFrame f{dpi};
    const int dx = x - f.gridLeft(), dy = y - f.gridTop();
    if (dx < 0 || dy < 0 || dx >= 7 * f.cellWidth()) return 0;
    const int k = dy / f.cellHeight() * 7 + dx / f.cellWidth() - month.firstWeekday;
    return k >= 0 && k < month.dayCount ? k + 1 : 0;
}

void stepMonth(int32_t& year, int32_t& month, int delta) {
    int64_t k = static_cast<int64_t>(year) * 12 + (month - 1) + delta;
    if (k < 1000 * 12) k = 1000 * 12;
    if (k > 9999 * 12 + 11) k = 9999 * 12 + 11;
    year = static_cast<int32_t>(k / 12);
    month = static_cast<int32_t>(k % 12 + 1);
}

}  // namespace marilo

namespace marilo {

SceneFill monthCellBox(const TideMonth& month, int day, int dpi) {
    const MonthFrame f{dpi};
    const ScenePoint at = f.cellOf(month, day);
    return {at.x, at.y, at.x + f.cellWidth(), at.y + f.cellHeight(), 0};
}

}  // namespace marilo
