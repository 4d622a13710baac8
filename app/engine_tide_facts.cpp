#include "app/engine_tide_facts.h"

#include "engine/tide_day.h"

namespace marilo {

DayFacts EngineTideFacts::day(PortAddress port, const DateTime& date) {
    const TideDay t(port, date);
    return {t.tideName, t.moonAge};
}

double EngineTideFacts::levelAt(PortAddress port, const DateTime& when) {
    const DateTime date(when.year, when.month, when.day);
    if (!levelDay_ || !(levelPort_ == port) || levelDay_->date.year != date.year ||
        levelDay_->date.month != date.month || levelDay_->date.day != date.day) {
        levelDay_.emplace(port, date);
        levelPort_ = port;
    }
    return levelDay_->levelAtTime(when.hour, when.minute);
}

}  // namespace marilo
