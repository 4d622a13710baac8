// How long the Windows side of the popup menu takes, under Wine or Windows:
// one paint of the tide graph at each size (solution, geometry and GDI) and
// the building of the whole menu with its port tree. Prints the mean of many
// runs per line; it decides nothing and asserts nothing.
//   paint_timing.exe [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>

#include "app/graph_day.h"
#include "app/menu_model.h"
#include "platform/gdi.h"
#include "program/menu_builder.h"
#include "render/tide_graph.h"

namespace {

double nowMs() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

template <class F>
double meanMs(int runs, F&& f) {
    const double start = nowMs();
    for (int i = 0; i < runs; ++i) f();
    return (nowMs() - start) / runs;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace marilo;
    const int runs = argc > 1 ? static_cast<int>(std::wcstol(argv[1], nullptr, 10)) : 200;
    ControllerSettings cs;
    cs.rules = DefaultRules();
    const DateTime now(2024, 1, 11, 12, 0);
    for (int m = 1; m <= 3; ++m) {
        DibSurface surface(graphWidth(m), graphHeight(m), 24);
        const GraphStyle style{m, 180, -20, 50, 4};
        const double ms = meanMs(runs, [&] {
            DrawTideGraph(surface.dc(), 0, 0, graphDayOf(cs, now, 0), style, false);
            GdiFlush();
        });
        const double engine = meanMs(runs, [&] { volatile GraphDay g = graphDayOf(cs, now, 0); (void)g; });
        std::printf("graph m=%d: %.3f ms a paint (of which the day's solution %.3f ms)\n", m, ms, engine);
    }
    TideDay day(PortAddress(), now);
    const double perColumn = meanMs(std::max(1, runs / 20), [&] {
        for (int column = 0; column < 289; ++column) {
            DateTime when(2024, 1, 11);
            when.minute = column * 5;
            when.normalize();
            day.setDate(when);
        }
    });
    std::printf("a solution per column at m=3 instead (289 solutions): %.3f ms\n", perColumn);
    const PopupMenuModel model = buildPopupMenu(PortAddress(), "田子の浦", {}, false);
    const double menu = meanMs(runs, [&] { const Menu built = menuFromModel(model.items); });
    std::printf("menu with its port tree: %.3f ms to build\n", menu);
    return 0;
}
