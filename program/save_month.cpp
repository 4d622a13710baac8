#include "program/save_month.h"

#include "app/interfaces.h"
#include "base/screen_scale.h"
#include "platform/system_theme.h"
#include "program/save_graph.h"
#include "render/month_geometry.h"
#include "render/scene_painter.h"

namespace marilo {

std::string saveMonthPng(const std::wstring& file, int year, int month) {
    const ControllerSettings settings = storedSettingsReadOnly();
    const DateTime now = SystemClock().now();
    const TideMonth shown = tideMonth(settings.port, year != 0 ? year : now.year, year != 0 ? month : now.month);
    MonthPicture picture = monthPictureOf(shown, settings.rules, now);
    picture.theme = readSystemTheme();
    return writeScenePng(file, monthScene(picture, kBaseDpi));  // the 96-dpi picture on any screen
}

}  // namespace marilo
