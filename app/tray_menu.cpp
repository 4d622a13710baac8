// The tray controller's popup menu and tide graph: what they show of the
// shown day, and the calendar strip's clicks.
#include "app/tray_controller.h"
#include "engine/port_source.h"
#include "engine/sun_moon_text.h"

namespace marilo {

PopupMenuModel TrayController::popupMenu(bool shiftDown) {
    const DateTime shown = shownDay(portNow(), dayOffset);
    const TideDay day(settings_.port, shown);
    std::vector<HighLowEntry> entries;
    for (int i = 0; i < 4; ++i) {
        const TideExtreme& e = day.extremes[i];
        entries.push_back({e.empty() ? kUnclassified : e.kind, e.hour, e.minute, e.level});
    }
    selectedPortName = day.portName;
    // The light and the moon of the shown day, once per opening.
    const SunMoonMenuLines sky = sunMoonMenuLines(settings_.port, shown.year, shown.month, shown.day);
    const DayNotes notes{sky.sun, sky.moon, constantsNote(settings_.port).text};
    PopupMenuModel menu = buildPopupMenu(settings_.port, day.portName, entries, shiftDown, notes);
    hlText = menu.hlText;
    return menu;
}

GraphDay TrayController::graphDay() {
    GraphDay g = graphDayOf(settings_, portNow(), dayOffset);
    selectedPortName = g.day.portName;
    return g;
}

bool TrayController::stripClick(int32_t cursorX) {
    // Where the menu stands decides where the strip is: known exactly from
    // the item's place on the screen, or taken to start at the click point
    // (or to end there, when the menu opened to its left). A menu pushed
    // back onto the screen does neither.
    if (lastItemScreenLeft) return pressStripButton(stripButtonAt(cursorX - *lastItemScreenLeft, lastItemRect.width()));
    return calendarStrip(cursorX - menuPoint.x, lastItemRect.width());
}

}  // namespace marilo
