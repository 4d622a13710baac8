#include "app/tray_menu.h"

#include "app/sun_moon_text.h"
#include "engine/port_source.h"
#include "engine/tide_day.h"

namespace marilo {

TrayMenu::TrayMenu(const ControllerSettings& settings, const Clock& clock) : settings_(settings), clock_(clock) {}

void TrayMenu::showToday() { dayOffset_ = 0; }

void TrayMenu::chooseDayForClick(int iconNumber) {
    const AppSettings& s = settings_.settings;
    const int32_t mode = shownTrayMode(s);
    const DateTime now = clock_.now();
    dayOffset_ = dayOffsetForClick(dayOffset_, s.PopCalMode, mode, s.IsXP, iconNumber, now.weekday);
    // A week icon shows a day of the machine's calendar; the menu counts its
    // days from the port's today, which may be another date.
    if (mode == kModeWeek && iconNumber >= 1 && iconNumber <= 7) {
        const DateTime portToday = portNow();
        dayOffset_ += static_cast<int32_t>(daysFromCivil(now.year, now.month, now.day) -
                                           daysFromCivil(portToday.year, portToday.month, portToday.day));
    }
}

DateTime TrayMenu::portNow() const { return clock_.zoneNow(settings_.port.zoneMeridian()); }

PopupMenuModel TrayMenu::popupMenu(bool shiftDown, bool startAtSignIn) {
    const DateTime shown = shownDay(portNow(), dayOffset_);
    const TideDay day(settings_.port, shown);
    std::vector<HighLowEntry> entries;
    for (int i = 0; i < 4; ++i) {
        const TideExtreme& e = day.extremes[i];
        entries.push_back({e.empty() ? kUnclassified : e.kind, e.hour, e.minute, e.level});
    }
    selectedPortName_ = day.portName;
    stripOnScreen_.reset();  // until the new menu's strip is drawn
    // The light and the moon of the shown day, once per opening.
    const SunMoonMenuLines sky = sunMoonMenuLines(settings_.port, shown.year, shown.month, shown.day);
    const DayNotes notes{sky.sun, sky.moon, constantsNote(settings_.port).text};
    PopupMenuModel menu = buildPopupMenu(settings_.port, day.portName, entries, shiftDown, notes, startAtSignIn,
                                         settings_.recent.shown(settings_.port));
    hlText_ = menu.hlText;
    return menu;
}

GraphDay TrayMenu::graphDay() {
    GraphDay g = graphDayOf(settings_, portNow(), dayOffset_);
    selectedPortName_ = g.day.portName;
    return g;
}

std::vector<GraphDay> TrayMenu::graphDays(int days) {
    std::vector<GraphDay> out = graphDaysOf(settings_, portNow(), dayOffset_, days);
    selectedPortName_ = out[0].day.portName;
    return out;
}

void TrayMenu::graphItemDrawn(const ItemRect& rect, std::optional<int32_t> screenLeft) {
    lastItemRect_ = rect;
    lastItemScreenLeft_ = screenLeft;
}

bool TrayMenu::stripClick(int32_t cursorX, int menuDpi) {
    // Where the menu stands decides where the strip is: known exactly from
    // the item's place on the screen, or taken to start at the click point
    // (or to end there, when the menu opened to its left). A menu pushed
    // back onto the screen does neither.
    if (lastItemScreenLeft_)
        return pressStripButton(StripFrame{menuDpi}.buttonAt(cursorX - *lastItemScreenLeft_, lastItemRect_.width()));
    return calendarStrip(cursorX - menuPoint_.x, lastItemRect_.width(), menuDpi);
}

TrayMenu::StripPress TrayMenu::stripCommand(std::optional<int> keyButton, ScreenPoint at, int menuDpi) {
    if (keyButton) return pressStripButton(*keyButton) ? StripPress::Keyboard : StripPress::Nothing;
    if (!stripOnScreen_) return stripClick(at.x, menuDpi) ? StripPress::Mouse : StripPress::Nothing;
    const ScreenRect& r = *stripOnScreen_;
    if (at.x < r.left || at.x >= r.right || at.y < r.top || at.y >= r.bottom)
        return pressStripButton(kStripToday) ? StripPress::Keyboard : StripPress::Nothing;
    return pressStripButton(StripFrame{menuDpi}.buttonAt(at.x - r.left, r.right - r.left)) ? StripPress::Mouse
                                                                                          : StripPress::Nothing;
}

bool TrayMenu::calendarStrip(int x, int itemWidth, int menuDpi) {
    return pressStripButton(calendarStripButton(x, itemWidth, StripFrame{menuDpi}));
}

bool TrayMenu::pressStripButton(int button) {
    if (button < 0 || button >= StripFrame::kButtons) return false;
    dayOffset_ = dayOffsetAfterStripButton(portNow(), dayOffset_, button);
    return true;
}

}  // namespace marilo
