#include "engine/port_address.h"

#include <cmath>
#include <cstdlib>

namespace marilo {

std::optional<PortAddress> PortAddress::at(int group, int index) {
    const PortGroup* g = findGroup(group);
    if (g == nullptr || index < 0 || index >= g->count) return std::nullopt;
    return PortAddress(group, index, g->firstIndex + index);
}

std::optional<PortAddress> PortAddress::ofRow(int row) {
    for (const PortGroup& g : PortGroups)
        if (row >= g.firstIndex && row < g.firstIndex + g.count) return PortAddress(g.group, row - g.firstIndex, row);
    return std::nullopt;
}

double PortAddress::zoneMeridian() const {
    if (group_ >= 0 && group_ <= 47) return 135.0;
    return 15 * std::floor((degMinToDegrees(std::atof(record().longitudeText)) + 7.5) / 15);
}

std::optional<PortAddress> PortAddress::fromCommandId(int id) {
    if (id < 50000 || id > 60000) return std::nullopt;
    const int k = id - 50000;
    const int group = static_cast<int>(k * 0.01);
    return at(group, k - 100 * group - 1);
}

}  // namespace marilo
