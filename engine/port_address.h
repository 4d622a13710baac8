#pragma once
// Where a port stands in the table: its group (the prefecture code of the
// port chooser, 80 for the ports abroad) and its 0-based index within the
// group. A PortAddress always names a row of the table; the only ways to
// make one validate their input, so code that holds one never checks again.

#include <cstdint>
#include <optional>

#include "engine/port_table.h"

namespace marilo {

class PortAddress {
public:
    // The default port: group 22, index 13, "田子の浦".
    constexpr PortAddress() = default;

    // The port at (group, index), or none when the group does not exist or
    // the index lies outside it.
    static std::optional<PortAddress> at(int group, int index);
    // The port of table row `row` (0..357), or none.
    static std::optional<PortAddress> ofRow(int row);
    // The port a menu command names: IDs 50000..60000 read as
    // group = (ID - 50000) / 100, index = (ID - 50000) mod 100 - 1; none for
    // other IDs and for pairs outside the table.
    static std::optional<PortAddress> fromCommandId(int id);

    int32_t group() const { return group_; }
    int32_t index() const { return index_; }
    int row() const { return row_; }
    // Menu command of the port: 50001 + 100 * group + index.
    int commandId() const { return 50001 + 100 * group_ + index_; }
    const PortRecord& record() const { return PortTable[row_]; }
    // Standard meridian of the port's zone time, degrees east: Japan Standard
    // Time (135) for every port in Japan, however far east or west it lies;
    // for the ports abroad the meridian nearest their longitude.
    double zoneMeridian() const;

    friend bool operator==(const PortAddress&, const PortAddress&) = default;

private:
    constexpr PortAddress(int32_t group, int32_t index, int row) : group_(group), index_(index), row_(row) {}

    int32_t group_ = 22;
    int32_t index_ = 13;
    int row_ = 149;
};

}  // namespace marilo
