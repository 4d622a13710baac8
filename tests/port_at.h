#pragma once
// Tests name ports by their (group, index) pair; a pair outside the table is
// a mistake in the test itself.

#include <stdexcept>

#include "engine/port_address.h"

namespace marilo {

inline PortAddress portAt(int group, int index) {
    const std::optional<PortAddress> at = PortAddress::at(group, index);
    if (!at) throw std::invalid_argument("no such port in the table");
    return *at;
}

}  // namespace marilo
