#pragma once
// What the graph over several days shows of the sky, as columns of its
// frame: night (civil dusk to civil dawn) and the civil twilight either side
// of it (dawn to sunrise, sunset to dusk), the midnights between the days,
// the moonrises and moonsets, and each day's stretch of the axis for its
// date. Columns count from the plot's left edge.

#include <cstdint>
#include <vector>

#include "app/graph_frame.h"
#include "calendar/date_time.h"
#include "engine/port_address.h"
#include "engine/rise_set.h"

namespace marilo {

struct SkyBand {
    int left, right;  // right exclusive
    bool twilight;    // the lighter shade; otherwise night
    bool operator==(const SkyBand&) const = default;
};

struct SkyMark {
    int column;
    bool rise;      // moonrise; otherwise moonset
    int32_t minute;  // of its day
    bool operator==(const SkyMark&) const = default;
};

struct SkyDay {
    int left, right;  // the day's columns, right exclusive
    DateTime date;  // its 0:00
};

struct GraphSky {
    std::vector<SkyBand> bands;   // left to right; touching bands of one kind joined
    std::vector<int> midnights;   // columns of the midnights between the days
    std::vector<SkyMark> moon;    // left to right
    std::vector<SkyDay> days;
};

// The sky over the frame's days, from each day's times (times[k] for day k,
// first the date of day 0). A day without one of its sun's events shades
// nothing between the events it lacks.
GraphSky graphSkyOf(const GraphSpanFrame& frame, const DateTime& first, const std::vector<SunMoonTimes>& times);

// The same for a port, its times worked out for the frame's days.
GraphSky graphSkyOf(const GraphSpanFrame& frame, PortAddress port, const DateTime& first);

}  // namespace marilo
