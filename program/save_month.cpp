#include "program/save_month.h"

#include "app/interfaces.h"
#include "app/read_only_store.h"
#include "app/settings.h"
#include "app/version_info.h"
#include "base/screen_scale.h"
#include "program/registry_store.h"
#include "render/month_geometry.h"
#include "render/scene_painter.h"

namespace marilo {

std::string saveMonthPng(const std::wstring& file, int year, int month) {
    RegistryStore registry = RegistryStore::forThisProgram();
    ReadOnlyStore store(registry);
    ControllerSettings settings;
    LoadSettings(store, settings, IsWindowsXp());
    const DateTime now = SystemClock().now();
    const TideMonth shown = tideMonth(settings.port, year != 0 ? year : now.year, year != 0 ? month : now.month);
    const MonthPicture picture = monthPictureOf(shown, settings.rules, now);
    return writeScenePng(file, monthScene(picture, kBaseDpi));  // the 96-dpi picture on any screen
}

}  // namespace marilo
