#include "app/tray_controller.h"

#include <cmath>
#include <cstdio>

#include "app/date_format.h"

namespace marilo {

namespace {

const char* const kFullDate = "yyyy'/'M'/'d'('ddd')'";

const char* splitModePattern(int32_t mode, int k) {
    static const char* const two[] = {"M'月'", "d'日'"};
    static const char* const three[] = {"yyyy'年'", "M'月'", "d'日'"};
    static const char* const four[] = {"yyyy'年'", "yyyy'年'", "M'月'", "d'日('ddd')'"};
    if (mode == kModeTwoIcons && k >= 0 && k < 2) return two[k];
    if (mode == kModeThreeIcons && k >= 0 && k < 3) return three[k];
    if (mode == kModeFourIcons && k >= 0 && k < 4) return four[k];
    return "";
}

}  // namespace

bool sameDay(const DateTime& a, const DateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

bool sameMinute(const DateTime& a, const DateTime& b) {
    return sameDay(a, b) && a.hour == b.hour && a.minute == b.minute;
}

TrayController::TrayController(ControllerSettings& settings, NotifyArea& shell, TrayImages& images,
                               TickTimer& timer, const Clock& clock, TideFacts& tide)
    : settings_(settings), shell_(shell), images_(images), timer_(timer), clock_(clock), tide_(tide),
      lastTick_(clock.now()) {}

void TrayController::start() {
    dayOffset = 0;
    popupsEnabled = true;
    lastTick_ = clock_.now();
}

void TrayController::finishSplash() {
    AddDateIcons();
    if (settings_.settings.TrayClock) AddClockIcon();
    scheduleTick();
}

std::string TrayController::dateTip(int k, const DateTime& now) {
    const int32_t m = mode();
    const PortAddress port = settings_.port;
    char buf[128];
    switch (m) {
        case kModeAppIcon: return "Marilo";
        case kModeDay:
        case kModeMonthDay:
        case kModeDayWeekday: {
            const DayFacts f = tide_.day(port, iconDay(m, 0, now));
            std::snprintf(buf, sizeof buf, "%s %s", formatDatePattern(kFullDate, now).c_str(), f.tideName.c_str());
            return buf;
        }
        case kModeTwoIcons:
        case kModeThreeIcons:
        case kModeFourIcons: return formatDatePattern(splitModePattern(m, k), now);
        case kModeWeek: {
            const DateTime day = iconDay(m, k, now);
            const DayFacts f = tide_.day(port, day);
            std::snprintf(buf, sizeof buf, "%s %s 月齢%.1f",
                          formatDatePattern(k == 0 ? "yyyy'/'M'/'d" : "M'/'d", day).c_str(), f.tideName.c_str(),
                          f.moonAge);
            return buf;
        }
        case kModeMoon: {
            const DayFacts f = tide_.day(port, iconDay(m, 0, now));
            std::snprintf(buf, sizeof buf, "%s %s 月齢%.1f", formatDatePattern(kFullDate, now).c_str(),
                          f.tideName.c_str(), f.moonAge);
            return buf;
        }
        default: return {};
    }
}

std::string TrayController::clockTipText(const DateTime& now, const DateTime& portTime) {
    const double level = tide_.levelAt(settings_.port, portTime);
    char buf[128];
    std::snprintf(buf, sizeof buf, "%s 潮位%d", formatDatePattern("tt h' 時 'mm' 分'", now).c_str(),
                  static_cast<int>(level));
    return buf;
}

DateIconImage TrayController::imageFor(int32_t m, int slot, int k, const DateTime& today, bool alert) {
    DateIconImage img;
    img.mode = m;
    img.slot = slot;
    img.k = k;
    img.day = iconDay(m, k, today);
    img.color = settings_.rules.colorForDate(img.day, today.year);
    img.todayFrame = m == kModeWeek && k == today.weekday;
    img.figures = iconFigures(m, k, img.day);
    if ((m == kModeAppIcon || m == kModeMoon) && alert) {
        img.resourceId = kAlertIconId;
    } else if (m == kModeAppIcon) {
        img.resourceId = kAppIconId;
    } else if (m == kModeMoon) {
        const DayFacts f = tide_.day(settings_.port, img.day);
        img.resourceId = kFirstMoonIconId + moonImageIndex(f.moonAge);
    }
    return img;
}

void TrayController::sendDateIcons(bool add, bool alert) {
    const int32_t m = mode();
    const int n = dateIconCount(m);
    const bool reverse = settings_.settings.IsXP;
    const DateTime now = clock_.now();
    for (int i = 1; i <= n; ++i) {
        const int k = imageIndexOf(i, n, reverse);
        iconTips[i - 1] = dateTip(k, now);
        const OwnedIcon icon = images_.dateIcon(imageFor(m, i - 1, k, now, alert));
        if (add) shell_.add(i, icon, iconTips[i - 1]);
        else shell_.modify(i, icon, iconTips[i - 1]);
    }
}

void TrayController::AddDateIcons() { sendDateIcons(true, false); }
void TrayController::UpdateDateIcons(bool alert) { sendDateIcons(false, alert); }

void TrayController::DeleteDateIcons() {
    const int n = dateIconCount(mode());
    for (int i = 1; i <= n; ++i) shell_.remove(i);
}

void TrayController::sendClockIcon(bool add) {
    const DateTime now = clock_.now();
    clockTip = clockTipText(now, portNow());
    const OwnedIcon icon = images_.clockIcon(settings_.settings, now.hour, now.minute);
    if (add) shell_.add(kClockIconId, icon, clockTip);
    else shell_.modify(kClockIconId, icon, clockTip);
}

void TrayController::AddClockIcon() { sendClockIcon(true); }
void TrayController::UpdateClockIcon() { sendClockIcon(false); }
void TrayController::DeleteClockIcon() { shell_.remove(kClockIconId); }

void TrayController::readdAllIcons() {
    AddDateIcons();
    if (settings_.settings.TrayClock) AddClockIcon();
}

void TrayController::refreshIcons() {
    if (settings_.settings.TrayClock) DeleteClockIcon();
    DeleteDateIcons();
    AddDateIcons();
    if (settings_.settings.TrayClock) AddClockIcon();
}

void TrayController::scheduleTick() {
    const DateTime now = clock_.now();
    timer_.start(tickPeriodMs(settings_.settings.TrayClock, settings_.settings.Alert != 0, now.hour, now.minute));
}

bool TrayController::tick() {
    const DateTime now = clock_.now();
    if (!sameDay(now, lastTick_)) {
        UpdateDateIcons(false);
        if (settings_.settings.TrayClock) UpdateClockIcon();
    } else if (settings_.settings.TrayClock) {
        if (!sameMinute(now, lastTick_)) UpdateClockIcon();
    } else {
        scheduleTick();
    }
    bool alertDue = false;
    if (!sameMinute(now, lastTick_)) {
        alertDue = settings_.settings.Alert != 0;
        lastTick_ = now;
    }
    AlertScheduler(portNow());
    return alertDue;
}

void TrayController::timeChanged() {
    scheduleTick();
    const DateTime now = clock_.now();
    if (!sameDay(now, lastTick_)) UpdateDateIcons(false);
    if (settings_.settings.TrayClock) UpdateClockIcon();
    lastTick_ = now;
}

TrayClick TrayController::trayMouse(int iconNumber, int mouseMessage) {
    if (mouseMessage == kMouseLeftDoubleClick) return TrayClick::OpenDateTimeSettings;
    if (!clickOpensMenu(settings_.settings.MousePop, mouseMessage, popupsEnabled)) return TrayClick::None;
    const DateTime now = clock_.now();
    dayOffset = dayOffsetForClick(dayOffset, settings_.settings.PopCalMode, mode(), settings_.settings.IsXP,
                                  iconNumber, now.weekday);
    // A week icon shows a day of the machine's calendar; the menu counts its
    // days from the port's today, which may be another date.
    if (mode() == kModeWeek && iconNumber >= 1 && iconNumber <= 7) {
        const DateTime portToday = portNow();
        dayOffset += static_cast<int32_t>(daysFromCivil(now.year, now.month, now.day) -
                                          daysFromCivil(portToday.year, portToday.month, portToday.day));
    }
    return TrayClick::OpenMenu;
}

bool TrayController::calendarStrip(int x, int itemWidth) { return pressStripButton(calendarStripButton(x, itemWidth)); }

bool TrayController::pressStripButton(int button) {
    if (button < 0) return false;
    dayOffset = dayOffsetAfterStripButton(portNow(), dayOffset, button);
    return true;
}

void TrayController::toggleGraphSize() {
    settings_.IsBig = !settings_.IsBig;
    settings_.GraphScale = graphScaleOf(settings_.IsBig, settings_.settings.GraphSizeSet);
}

bool TrayController::selectPort(int commandId) {
    const std::optional<PortAddress> picked = PortAddress::fromCommandId(commandId);
    if (picked) settings_.port = *picked;
    return picked.has_value();
}

void TrayController::applySettings(const AppSettings& edited, const RuleList& rules) {
    const bool clockDirty = edited.ClockDirty, iconsDirty = edited.IconsDirty;
    if (clockDirty || iconsDirty) DeleteClockIcon();
    if (iconsDirty) DeleteDateIcons();
    settings_.settings = edited;
    settings_.rules.assign(rules);
    settings_.settings.RuleN = settings_.rules.count();
    if (iconsDirty) AddDateIcons();
    if (settings_.settings.TrayClock && (clockDirty || iconsDirty)) AddClockIcon();
    scheduleTick();
    settings_.settings.ClockDirty = false;
    settings_.settings.IconsDirty = false;
    settings_.GraphScale = graphScaleOf(settings_.IsBig, settings_.settings.GraphSizeSet);
    settings_.soundOn = settings_.settings.Snd != 0;
    handOverSound();
}

int TrayController::AlertScheduler(const DateTime& now) {
    const std::vector<DateTime> minutes = alertMinutesToCheck(lastAlertMinute_, now);
    if (minutes.empty()) return 0;
    lastAlertMinute_ = minutes.back();
    const AppSettings& s = settings_.settings;
    if (!s.Alert) return 0;
    const AlertChoice choice{s.STP != 0, s.UP3 != 0, s.UP7 != 0, s.DN3 != 0, s.DN7 != 0, s.PreTime};
    int shown = 0;
    for (const DateTime& minute : minutes) {
        if (!alertDays_ || !(alertDays_->port == settings_.port) || !sameDay(alertDays_->date, minute))
            alertDays_ = tide_.alertDays(settings_.port, minute);
        const std::optional<Alert> alert = scheduleAlert(*alertDays_, choice, minute.hour, minute.minute);
        if (alert && alertSink_ && alertSink_->showAlert(*alert)) ++shown;
    }
    return shown;
}

void TrayController::handOverSound() {
    if (alertSink_) alertSink_->setSoundOn(settings_.soundOn);
}

void TrayController::shutdown() {
    settings_.settings.IsVirgin = false;
    timer_.stop();
    DeleteDateIcons();
    if (settings_.settings.TrayClock) DeleteClockIcon();
}

}  // namespace marilo
