#include "engine/port_source.h"

#include <cstdio>

namespace marilo {

ConstantsSource constantsSource(PortAddress port) {
    for (int i = 0; i < DistantStationCount; ++i)
        if (DistantStations[i].row == port.row()) return {DistantStations[i].station, DistantStations[i].km};
    return {};
}

ConstantsNote constantsNote(PortAddress port) {
    ConstantsNote note;
    const ConstantsSource source = constantsSource(port);
    if (source.distant())
        std::snprintf(note.text, sizeof note.text, "潮汐定数: %s (%d km)", source.station, static_cast<int>(source.km));
    return note;
}

}  // namespace marilo
