#include "app/engine_tide_facts.h"

#include "engine/tide_day.h"

namespace marilo {

DayFacts EngineTideFacts::day(int32_t ken, int32_t port, const DateTime& date) {
    const TideDay t(ken, port, date);
    return {t.tideName, t.moonAge};
}

double EngineTideFacts::levelAt(int32_t ken, int32_t port, const DateTime& when) {
    return TideDay(ken, port, when).levelNow;
}

}  // namespace marilo
