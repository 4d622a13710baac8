#include "app/tray_controller.h"

#include <cmath>
#include <cstdio>

#include "app/date_format.h"
#include "app/graph_frame.h"
#include "platform/cp932.h"

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
      lastTick_(clock.now()), menu_(settings, clock) {}

void TrayController::start() {
    menu_.showToday();
    popupsEnabled_ = true;
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
        img.resourceId = kFirstMoonIconId + GraphFrame::moonPicture(f.moonAge);
    }
    return img;
}

void TrayController::sendDateIcons(bool add, bool alert) {
    const int n = dateIconCount(mode());
    const DateTime now = clock_.now();
    for (int i = 1; i <= n; ++i) sendDateIcon(i, add, alert, now);
    if (add) armRetry();
}

void TrayController::sendDateIcon(int i, bool add, bool alert, const DateTime& now) {
    const int32_t m = mode();
    const int k = imageIndexOf(i, dateIconCount(m), settings_.settings.IsXP);
    iconTips_[i - 1] = dateTip(k, now);
    const OwnedIcon icon = images_.dateIcon(imageFor(m, i - 1, k, now, alert));
    sendIcon(add, i, icon, iconTips_[i - 1]);
}

void TrayController::AddDateIcons() { sendDateIcons(true, false); }
void TrayController::UpdateDateIcons(bool alert) { sendDateIcons(false, alert); }

void TrayController::DeleteDateIcons() {
    const int n = dateIconCount(mode());
    for (int i = 1; i <= n; ++i) removeIcon(i);
}

void TrayController::sendClockIcon(bool add) {
    const DateTime now = clock_.now();
    clockTip_ = clockTipText(now, portNow());
    const OwnedIcon icon = images_.clockIcon(settings_.settings, now.hour, now.minute);
    sendIcon(add, kClockIconId, icon, clockTip_);
}

void TrayController::AddClockIcon() {
    sendClockIcon(true);
    armRetry();
}
void TrayController::UpdateClockIcon() { sendClockIcon(false); }
void TrayController::DeleteClockIcon() { removeIcon(kClockIconId); }

void TrayController::sendIcon(bool add, int id, const OwnedIcon& icon, const std::string& tip) {
    const std::u16string shown = cp932ToUtf16(tip);
    if (add) retry_.added(id, shell_.add(id, icon, shown));
    else shell_.modify(id, icon, shown);
}

void TrayController::removeIcon(int id) {
    shell_.remove(id);
    retry_.removed(id);
}

void TrayController::armRetry() {
    if (!retryTimer_ || retryTimer_->running()) return;
    if (const std::optional<int> delay = retry_.nextDelayMs()) retryTimer_->start(*delay);
}

void TrayController::retryMissingIcons() {
    if (retryTimer_) retryTimer_->stop();
    const std::vector<int> missing = retry_.missing();
    const DateTime now = clock_.now();
    const int n = dateIconCount(mode());
    for (int id : missing) {
        if (id == kClockIconId && settings_.settings.TrayClock) sendClockIcon(true);
        else if (id >= 1 && id <= n) sendDateIcon(id, true, false, now);
        else retry_.removed(id);  // no longer one of the icons shown
    }
    armRetry();
}

void TrayController::readdAllIcons() {
    if (retryTimer_) retryTimer_->stop();
    retry_.restart();
    AddDateIcons();
    if (settings_.settings.TrayClock) AddClockIcon();
}

void TrayController::refreshIcons() {
    if (settings_.settings.TrayClock) DeleteClockIcon();
    DeleteDateIcons();
    AddDateIcons();
    if (settings_.settings.TrayClock) AddClockIcon();
}

void TrayController::redrawIcons() {
    UpdateDateIcons(false);
    if (settings_.settings.TrayClock) UpdateClockIcon();
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
    if (!clickOpensMenu(settings_.settings.MousePop, mouseMessage, popupsEnabled_)) return TrayClick::None;
    menu_.chooseDayForClick(iconNumber);
    return TrayClick::OpenMenu;
}

TrayClick TrayController::trayKey(int iconNumber) {
    if (!popupsEnabled_) return TrayClick::None;
    menu_.chooseDayForClick(iconNumber);
    return TrayClick::OpenMenu;
}

void TrayController::toggleGraphSize() {
    settings_.settings.IsBig = !settings_.settings.IsBig;
}

bool TrayController::selectPort(int commandId) {
    const std::optional<PortAddress> picked = PortAddress::fromCommandId(commandId);
    if (picked) {
        settings_.port = *picked;
        settings_.recent.chose(*picked);
    }
    return picked.has_value();
}

void TrayController::applySettings(const AppSettings& edited, const RuleList& rules, ChangeMarks marks) {
    const bool clockDirty = marks.ClockDirty, iconsDirty = marks.IconsDirty;
    if (clockDirty || iconsDirty) DeleteClockIcon();
    if (iconsDirty) DeleteDateIcons();
    settings_.settings = edited;
    settings_.rules.assign(rules);
    settings_.settings.RuleN = settings_.rules.count();
    if (iconsDirty) AddDateIcons();
    if (settings_.settings.TrayClock && (clockDirty || iconsDirty)) AddClockIcon();
    scheduleTick();
    handOverSound();
}

int TrayController::AlertScheduler(const DateTime& now) {
    const std::vector<DateTime> minutes = alertMinutesToCheck(lastAlertMinute_, now);
    const AppSettings& s = settings_.settings;
    const bool quiet = s.QuietBusy != 0;
    // The state is asked only when an alert is due or waiting.
    std::optional<UserState> state;
    auto userState = [&] {
        if (!state) state = userState_ ? static_cast<UserState>(userState_->userNotificationState()) : UserState::Accepts;
        return *state;
    };
    int shown = 0;
    auto show = [&](const std::optional<Alert>& alert) {
        if (alert && alertSink_ && alertSink_->showAlert(*alert)) ++shown;
    };
    if (!s.Alert) heldAlert_.clear();  // alerts turned off: a waiting one goes too
    else if (heldAlert_.waiting()) show(heldAlert_.poll(userState(), quiet, now));
    if (minutes.empty()) return shown;
    lastAlertMinute_ = minutes.back();
    if (!s.Alert) return shown;
    const AlertChoice choice = alertChoiceOf(s);
    for (const DateTime& minute : minutes) {
        if (!alertDays_ || !(alertDays_->port == settings_.port) || !sameDay(alertDays_->date, minute))
            alertDays_ = tide_.alertDays(settings_.port, minute);
        const std::optional<Alert> alert = scheduleAlert(*alertDays_, choice, minute.hour, minute.minute);
        if (!alert) continue;
        const std::optional<Alert> ready = heldAlert_.offer(*alert, minute, userState(), quiet, now);
        if (ready) show(ready);
        else if (heldAlert_.waiting() && alertSink_) alertSink_->blinkOnly();
    }
    return shown;
}

void TrayController::handOverSound() {
    if (alertSink_) alertSink_->setSoundOn(settings_.settings.Snd != 0);
}

void TrayController::shutdown() {
    settings_.settings.IsVirgin = false;
    timer_.stop();
    if (retryTimer_) retryTimer_->stop();
    DeleteDateIcons();
    if (settings_.settings.TrayClock) DeleteClockIcon();
}

}  // namespace marilo
