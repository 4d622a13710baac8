#include "program/save_graph.h"

#include "app/graph_day.h"
#include "app/interfaces.h"
#include "app/read_only_store.h"
#include "app/settings.h"
#include "app/version_info.h"
#include "platform/gdi.h"
#include "platform/png_file.h"
#include "platform/system_theme.h"
#include "program/registry_store.h"
#include "render/graph_span.h"
#include "render/scene_painter.h"
#include "render/tide_graph.h"

namespace marilo {

ControllerSettings storedSettingsReadOnly() {
    RegistryStore registry = RegistryStore::forThisProgram();
    ReadOnlyStore store(registry);
    ControllerSettings settings;
    LoadSettings(store, settings, IsWindowsXp());
    return settings;
}

std::string saveGraphPng(const std::wstring& file, int dpi, int days) {
    const ControllerSettings settings = storedSettingsReadOnly();
    const DateTime now = SystemClock().zoneNow(settings.port.zoneMeridian());
    const GraphDay day = graphDayOf(settings, now, 0);
    GraphStyle style = graphStyleOf(settings, dpi);
    style.theme = readSystemTheme();
    if (days > 1) {
        std::vector<GraphDay> shown{day};
        for (int k = 1; k < days; ++k) shown.push_back(graphDayOf(settings, now, k));
        const GraphSpanFrame frame = graphSpanFrameOf(style, days);
        return writeScenePng(file, tideSpanScene(shown, graphSkyOf(frame, settings.port, day.day.date), style));
    }
    const ItemSize picture = style.frame().picture();
    DibSurface surface(picture.width, picture.height, 24);
    if (!surface) return "no drawing surface for the graph";
    DrawTideGraph(surface.dc(), 0, 0, day, style, false);
    return writePngFile(file, surface);
}

}  // namespace marilo
