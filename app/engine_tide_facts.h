#pragma once
// The tooltips' tide facts from the engine. The level, asked once a minute
// for the clock's tooltip, reads the day's solution kept from the previous
// minute (solved again for another port or date), bit for bit what a fresh
// solution at that minute gives; the day's facts are solved afresh.

#include <optional>

#include "app/tray_controller.h"
#include "engine/tide_day.h"

namespace marilo {

class EngineTideFacts final : public TideFacts {
public:
    DayFacts day(PortAddress port, const DateTime& date) override;
    double levelAt(PortAddress port, const DateTime& when) override;

private:
    std::optional<TideDay> levelDay_;  // solved at 0:00 of its date
    PortAddress levelPort_;
};

}  // namespace marilo
