#include "app/engine_tide_facts.h"

#include "engine/tide_day.h"

namespace marilo {

DayFacts EngineTideFacts::day(PortAddress port, const DateTime& date) {
    const TideDay t(port, date);
    return {t.tideName, t.moonAge};
}

double EngineTideFacts::levelAt(PortAddress port, const DateTime& when) {
    return TideDay(port, when).levelNow;
}

}  // namespace marilo
