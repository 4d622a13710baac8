// How long building the tray icons takes at each icon size, under Wine or
// Windows: every image of the drawn date modes (1 to 7, 20 images) and the
// clock, each drawn, turned into its icon image and into an icon handle, at
// 16, 20, 24, 32 and 40 pixels, on a light and on a dark taskbar. Prints the
// mean of many runs per size and its ratio to 16 pixels; it decides nothing
// and asserts nothing.
//   icon_timing.exe [RUNS]
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <vector>

#include "app/tray_logic.h"
#include "render/tray_painter.h"
#include "timing.h"

int wmain(int argc, wchar_t** argv) {
    using namespace marilo;
    const int runs = argc > 1 ? static_cast<int>(std::wcstol(argv[1], nullptr, 10)) : 100;
    const DateTime today(2024, 1, 10);
    std::vector<DateIconImage> images;
    for (int32_t mode = kModeDay; mode <= kModeWeek; ++mode)
        for (int k = 0; k < dateIconCount(mode); ++k) {
            DateIconImage img;
            img.mode = mode;
            img.slot = k;
            img.k = k;
            img.day = iconDay(mode, k, today);
            img.color = img.day.weekday == 0 ? 0x0000FF : img.day.weekday == 6 ? 0xFF0000 : 0;
            img.todayFrame = mode == kModeWeek && k == today.weekday;
            img.figures = iconFigures(mode, k, img.day);
            images.push_back(img);
        }
    AppSettings clock;
    for (TaskbarTheme theme : {TaskbarTheme::Light, TaskbarTheme::Dark}) {
        double base = 0;
        for (int size : {16, 20, 24, 32, 40}) {
            TrayPainter painter(size, theme);
            const double ms = meanMs(runs, [&] {
                for (const DateIconImage& img : images) painter.dateIcon(img);
                painter.clockIcon(clock, 10, 8);
            });
            if (size == 16) base = ms;
            std::printf("%s taskbar, %2d px: %.3f ms for all %zu icons (%.2f x the 16-pixel time)\n",
                        theme == TaskbarTheme::Dark ? "dark " : "light", size, ms, images.size() + 1, ms / base);
        }
    }
    return 0;
}
