// The printed month against the paper: every element inside the printable
// area (texts by a generous estimate of their extent: an ASCII or half-width
// character half an em, any other a whole em, a line 1.3 em) and no text
// under 7 points on the paper.
#include "render/month_print.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/cp932.h"

namespace marilo {
namespace {

struct Box {
    double left, top, right, bottom;
};

Box textBox(const SceneText& t, int layoutDpi) {
    const double em = t.font.points * layoutDpi / 72.0;
    double w = 0;
    for (char16_t c : t.text) w += c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) ? em / 2 : em;
    const double h = 1.3 * em;
    const double left = t.h == HAlign::Left ? t.at.x : t.h == HAlign::Center ? t.at.x - w / 2 : t.at.x - w;
    const double top = t.v == VAlign::Top ? t.at.y : t.v == VAlign::Bottom ? t.at.y - h : t.at.y - em;
    return {left, top, left + w, top + h};
}

void expectInside(const Box& b, const PrintPage& p, const char* what) {
    EXPECT_GE(b.left, p.printLeft) << what;
    EXPECT_GE(b.top, p.printTop) << what;
    EXPECT_LE(b.right, p.printRight) << what;
    EXPECT_LE(b.bottom, p.printBottom) << what;
}

void checkPage(const PrintPage& page, int year, int month) {
    SCOPED_TRACE(testing::Message() << year << "-" << month << " page " << page.width << "x" << page.height);
    const MonthPicture picture = monthPictureOf(tideMonth(PortAddress(), year, month), DefaultRules(),
                                               DateTime(year, month, 10));
    const Scene s = monthPrintScene(picture, page);
    EXPECT_EQ(s.width, page.width);
    double widest = 0;
    for (const SceneFill& f : s.all<SceneFill>()) {
        expectInside({double(f.left), double(f.top), double(f.right), double(f.bottom)}, page, "fill");
        widest = std::max(widest, double(f.right - f.left));
    }
    for (const SceneLine& l : s.all<SceneLine>()) {
        expectInside({double(std::min(l.from.x, l.to.x)), double(std::min(l.from.y, l.to.y)),
                      double(std::max(l.from.x, l.to.x)), double(std::max(l.from.y, l.to.y))},
                     page, "line");
    }
    for (const SceneIcon& i : s.all<SceneIcon>())
        expectInside({double(i.at.x), double(i.at.y), double(i.at.x + i.size), double(i.at.y + i.size)}, page, "icon");
    bool warned = false;
    for (const SceneText& t : s.all<SceneText>()) {
        const std::string shown = cp932ToUtf8(utf16ToCp932(t.text));
        expectInside(textBox(t, s.dpi), page, shown.c_str());
        EXPECT_GE(t.font.points * s.dpi / double(page.dpi), 7.0) << shown;
        warned = warned || t.text == kNotForNavigation;
    }
    EXPECT_TRUE(warned);
    // Scaled to the area: the picture takes most of the printable width.
    EXPECT_GE(widest, 0.9 * (page.printRight - page.printLeft));
}

TEST(MonthPrint, A4PortraitHoldsTheMonthWithin) {
    checkPage(PrintPage::a4(600), 2024, 3);  // six rows
    checkPage(PrintPage::a4(300), 2026, 2);  // February from a Sunday: five
    checkPage(PrintPage::a4(96), 2024, 12);
}

TEST(MonthPrint, LetterHoldsTheMonthWithin) {
    checkPage(PrintPage::letter(600), 2024, 3);
    checkPage(PrintPage::letter(360), 2025, 8);
}

TEST(MonthPrint, PaperSizesInPixels) {
    // A4 at 600 dpi: 210 mm = 4960.6 px, 297 mm = 7015.7 px; 4.23 mm = 99.9 px.
    const PrintPage a4 = PrintPage::a4(600);
    EXPECT_EQ(a4.width, 4960);
    EXPECT_EQ(a4.height, 7015);
    EXPECT_EQ(a4.printLeft, 100);
    EXPECT_EQ(a4.printRight, 4960 - 100);
    // Letter at 600 dpi: 8.5 x 11 inches.
    EXPECT_EQ(PrintPage::letter(600).width, 5100);
    EXPECT_EQ(PrintPage::letter(600).height, 6600);
}

}  // namespace
}  // namespace marilo

namespace marilo {
namespace {

// March 2024 starts on a Friday (column 5); at 96 dpi the grid starts at
// (4, 42) with cells of 84 by 86.
TEST(MonthDayAt, TheCellUnderThePoint) {
    const TideMonth m = tideMonth(PortAddress(), 2024, 3);
    EXPECT_EQ(monthDayAt(m, 96, 4 + 5 * 84, 42), 1);
    EXPECT_EQ(monthDayAt(m, 96, 4 + 5 * 84 - 1, 42), 0);      // the Thursday before
    EXPECT_EQ(monthDayAt(m, 96, 4 + 84 + 40, 42 + 2 * 86 + 40), 11);  // 2024-03-11, a Monday
    EXPECT_EQ(monthDayAt(m, 96, 4, 42 + 5 * 86), 31);  // a Sunday
    EXPECT_EQ(monthDayAt(m, 96, 4 + 84, 42 + 5 * 86), 0);  // after the 31st
    EXPECT_EQ(monthDayAt(m, 96, 3, 100), 0);
    EXPECT_EQ(monthDayAt(m, 96, 4 + 7 * 84, 100), 0);
    EXPECT_EQ(monthDayAt(m, 96, 100, 41), 0);
    EXPECT_EQ(monthDayAt(m, 192, 8 + 5 * 168 + 1, 84), 1);
}

}  // namespace
}  // namespace marilo
