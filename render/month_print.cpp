#include "render/month_print.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <type_traits>
#include <variant>

#include "base/screen_scale.h"
#include "platform/cp932.h"

namespace marilo {

namespace {

// The footer at 96 dpi: a gap under the picture, then its lines.
constexpr int kFooterGap = 6;
constexpr int kFooterLine = 14;
constexpr int kFooterLines = 4;
constexpr SceneFont kFooterFont{"ＭＳ ゴシック", 8};
constexpr SceneFont kFooterTitleFont{"ＭＳ ゴシック", 10};

void moveBy(Scene& scene, int dx, int dy) {
    const auto move = [&](ScenePoint& p) {
        p.x += dx;
        p.y += dy;
    };
    for (SceneElement& e : scene.elements)
        std::visit(
            [&](auto& el) {
                using T = std::decay_t<decltype(el)>;
                if constexpr (std::is_same_v<T, SceneFill>) {
                    el.left += dx, el.right += dx, el.top += dy, el.bottom += dy;
                } else if constexpr (std::is_same_v<T, SceneLine>) {
                    move(el.from), move(el.to);
                } else if constexpr (std::is_same_v<T, ScenePolyline>) {
                    for (ScenePoint& p : el.points) move(p);
                } else {
                    move(el.at);
                }
            },
            e);
}

int footerHeight(int dpi) { return scaledLength(kFooterGap + kFooterLines * kFooterLine, dpi); }

bool fits(const TideMonth& m, int dpi, int width, int height) {
    return monthPictureWidth(dpi) <= width && monthPictureHeight(m, dpi) + footerHeight(dpi) <= height;
}

}  // namespace

PrintPage PrintPage::ofPaper(double widthMm, double heightMm, double marginMm, int dpi) {
    const auto px = [dpi](double mm) { return static_cast<int>(mm / 25.4 * dpi); };
    PrintPage p;
    p.width = px(widthMm);
    p.height = px(heightMm);
    p.printLeft = p.printTop = px(marginMm) + 1;
    p.printRight = p.width - px(marginMm) - 1;
    p.printBottom = p.height - px(marginMm) - 1;
    p.dpi = dpi;
    return p;
}

Scene monthPrintScene(const MonthPicture& picture, const PrintPage& page) {
    const TideMonth& m = picture.month;
    const int width = page.printRight - page.printLeft, height = page.printBottom - page.printTop;
    // The largest layout dpi whose picture and footer fit the printable area.
    const int base = monthPictureWidth(kBaseDpi);
    int dpi = std::max(1, static_cast<int>(static_cast<long long>(width) * kBaseDpi / base));
    while (dpi > 1 && !fits(m, dpi, width, height)) --dpi;

    Scene month = monthScene(picture, dpi);
    const int left = page.printLeft + (width - month.width) / 2, top = page.printTop;
    moveBy(month, left, top);

    Scene scene;
    scene.width = page.width;
    scene.height = page.height;
    scene.dpi = dpi;
    scene.elements = std::move(month.elements);

    const auto px = [dpi](int length) { return scaledLength(length, dpi); };
    char title[96];
    std::snprintf(title, sizeof title, "%s  %d年%d月", m.portName, m.year, m.month);
    const std::u16string lines[kFooterLines] = {cp932ToUtf16(title), kNotForNavigation, kDataAttribution[0],
                                                kDataAttribution[1]};
    int y = top + monthPictureHeight(m, dpi) + px(kFooterGap);
    for (int i = 0; i < kFooterLines; ++i, y += px(kFooterLine))
        scene.elements.push_back(SceneText{{left + px(6), y}, lines[i], kMonthText,
                                           i == 0 ? kFooterTitleFont : kFooterFont, HAlign::Left, VAlign::Top});
    return scene;
}

}  // namespace marilo
