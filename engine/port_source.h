#pragma once
// Where a port's harmonic constants come from, for the ports whose station
// lies more than 30 km away: the user is told, since the tide of a place
// that far from its gauge is only an estimate. The list is written with the
// port table by tools/porttable/generate.mjs, from the same source.

#include <cstdint>

#include "engine/port_address.h"

namespace marilo {

// A row of the generated list: table row, the station's name as
// docs/ports.md shows it (ASCII) and the distance in km, rounded.
struct DistantStation {
    int32_t row;
    const char* station;
    int32_t km;
};
extern const DistantStation DistantStations[];
extern const int DistantStationCount;

// The station of a port more than 30 km from it; for any other port an
// empty name and 0 km.
struct ConstantsSource {
    const char* station = "";
    int32_t km = 0;

    bool distant() const { return station[0] != '\0'; }
};
ConstantsSource constantsSource(PortAddress port);

// "潮汐定数: Nemuroko (1146 km)" (cp932) for such a port, "" for the others.
struct ConstantsNote {
    char text[64]{};
};
ConstantsNote constantsNote(PortAddress port);

}  // namespace marilo
