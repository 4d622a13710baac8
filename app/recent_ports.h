#pragma once
// The ports chosen last, for the chooser's "最近の港": the list the user
// walked through, most recent first, each port once. It is kept with the
// current port at its head, so that what it shows is the five before it.
// Stored as one text of command IDs separated by commas ("52214,58003").

#include <string>
#include <string_view>
#include <vector>

#include "engine/port_address.h"

namespace marilo {

class RecentPorts {
public:
    // Ports the chooser shows, besides the current one.
    static constexpr int kShown = 5;

    // `port` was chosen: it moves to the front (or enters there), and the
    // list keeps the current port and kShown before it.
    void chose(PortAddress port);

    // The ports to show, most recent first, without `current`; at most kShown.
    std::vector<PortAddress> shown(PortAddress current) const;

    // The stored text, and the list read back from one: an entry that is no
    // port's command ID (damaged, or of a table that had another port there)
    // is skipped, as is a port met twice; at most kShown + 1 are taken.
    std::string storedText() const;
    static RecentPorts fromStoredText(std::string_view text);

    const std::vector<PortAddress>& all() const { return ports_; }
    friend bool operator==(const RecentPorts&, const RecentPorts&) = default;

private:
    std::vector<PortAddress> ports_;  // most recent first
};

}  // namespace marilo
