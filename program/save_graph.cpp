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
#include "render/tide_graph.h"

namespace marilo {

ControllerSettings storedSettingsReadOnly() {
    RegistryStore registry = RegistryStore::forThisProgram();
    ReadOnlyStore store(registry);
    ControllerSettings settings;
    LoadSettings(store, settings, IsWindowsXp());
    return settings;
}

std::string saveGraphPng(const std::wstring& file, int dpi) {
    const ControllerSettings settings = storedSettingsReadOnly();
    const GraphDay day = graphDayOf(settings, SystemClock().zoneNow(settings.port.zoneMeridian()), 0);
    GraphStyle style = graphStyleOf(settings, dpi);
    style.theme = readSystemTheme();
    const ItemSize picture = style.frame().picture();
    DibSurface surface(picture.width, picture.height, 24);
    if (!surface) return "no drawing surface for the graph";
    DrawTideGraph(surface.dc(), 0, 0, day, style, false);
    return writePngFile(file, surface);
}

}  // namespace marilo
