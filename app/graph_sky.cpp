#include "app/graph_sky.h"

#include <utility>

namespace marilo {

namespace {

bool known(int32_t minute) { return minute != kNoEvent; }

void addBand(GraphSky& sky, int left, int right, bool twilight) {
    if (right <= left) return;
    if (!sky.bands.empty() && sky.bands.back().right == left && sky.bands.back().twilight == twilight) {
        sky.bands.back().right = right;
        return;
    }
    sky.bands.push_back({left, right, twilight});
}

}  // namespace

GraphSky graphSkyOf(const GraphSpanFrame& frame, const DateTime& first, const std::vector<SunMoonTimes>& times) {
    GraphSky sky;
    DateTime date(first.year, first.month, first.day);
    for (int k = 0; k < frame.days && k < static_cast<int>(times.size()); ++k) {
        if (k > 0) {
            date.nextDay();
            sky.midnights.push_back(frame.dayLeft(k));
        }
        const SunMoonTimes& t = times[static_cast<std::size_t>(k)];
        const auto at = [&](int32_t minute) { return frame.column(k, minute); };
        // Night until dawn, the morning twilight, the evening twilight and
        // night from dusk; an event the day lacks ends no stretch.
        if (known(t.civilDawn)) addBand(sky, at(0), at(t.civilDawn), false);
        if (known(t.civilDawn) && known(t.sunrise)) addBand(sky, at(t.civilDawn), at(t.sunrise), true);
        if (known(t.sunset) && known(t.civilDusk)) addBand(sky, at(t.sunset), at(t.civilDusk), true);
        if (known(t.civilDusk)) addBand(sky, at(t.civilDusk), at(1440), false);

        SkyMark marks[2] = {{at(t.moonrise), true, t.moonrise}, {at(t.moonset), false, t.moonset}};
        if (t.moonset < t.moonrise) std::swap(marks[0], marks[1]);
        for (const SkyMark& m : marks)
            if (known(m.minute)) sky.moon.push_back(m);
        sky.days.push_back({frame.dayLeft(k), frame.dayLeft(k + 1), date});
    }
    return sky;
}

GraphSky graphSkyOf(const GraphSpanFrame& frame, PortAddress port, const DateTime& first) {
    std::vector<SunMoonTimes> times;
    DateTime date(first.year, first.month, first.day);
    for (int k = 0; k < frame.days; ++k) {
        if (k > 0) date.nextDay();
        times.push_back(sunMoonTimes(port, date.year, date.month, date.day));
    }
    return graphSkyOf(frame, first, times);
}

}  // namespace marilo
