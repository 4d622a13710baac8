#include "app/recent_ports.h"

#include <algorithm>

namespace marilo {

namespace {

constexpr std::size_t kKept = RecentPorts::kShown + 1;

}  // namespace

void RecentPorts::chose(PortAddress port) {
    std::erase(ports_, port);
    ports_.insert(ports_.begin(), port);
    if (ports_.size() > kKept) ports_.resize(kKept);
}

std::vector<PortAddress> RecentPorts::shown(PortAddress current) const {
    std::vector<PortAddress> out;
    for (const PortAddress& p : ports_)
        if (p != current && out.size() < static_cast<std::size_t>(kShown)) out.push_back(p);
    return out;
}

std::string RecentPorts::storedText() const {
    std::string text;
    for (const PortAddress& p : ports_) {
        if (!text.empty()) text += ',';
        text += std::to_string(p.commandId());
    }
    return text;
}

RecentPorts RecentPorts::fromStoredText(std::string_view text) {
    RecentPorts list;
    std::size_t from = 0;
    while (from <= text.size() && list.ports_.size() < kKept) {
        std::size_t comma = text.find(',', from);
        if (comma == std::string_view::npos) comma = text.size();
        const std::string_view entry = text.substr(from, comma - from);
        from = comma + 1;
        // Five digits at most: the command IDs are 50001..58099.
        if (entry.empty() || entry.size() > 5 ||
            !std::all_of(entry.begin(), entry.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        const std::optional<PortAddress> port = PortAddress::fromCommandId(std::stoi(std::string(entry)));
        if (port && std::find(list.ports_.begin(), list.ports_.end(), *port) == list.ports_.end())
            list.ports_.push_back(*port);
    }
    return list;
}

}  // namespace marilo
